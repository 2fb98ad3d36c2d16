#pragma once

#include <QWidget>

class AmountEdit;
class QDateEdit;
class QLineEdit;

// Date, description and amount under the heads "Datum", "Omschrijving", "Bedrag". The
// date starts at today's date, as when the program starts.
class EntryRow : public QWidget
{
    Q_OBJECT
public:
    EntryRow(const QString& dateName, const QString& descriptionName, const QString& amountName,
             QWidget* parent = nullptr);

    QDateEdit* date() const { return m_date; }
    QLineEdit* description() const { return m_description; }
    AmountEdit* amount() const { return m_amount; }

private:
    QDateEdit* m_date;
    QLineEdit* m_description;
    AmountEdit* m_amount;
};
