#pragma once

#include <QColor>
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QLabel;
class QRadioButton;

// A radio group with a balance beside each option, under a heading of its own. No option
// need be chosen, and the choice can be cleared again.
class BalanceRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit BalanceRadioGroup(const QString& title, const QStringList& captions,
                               QWidget* parent = nullptr);

    int count() const { return int(m_options.size()); }
    QRadioButton* option(int index) const { return m_options.value(index); }

    void setBalanceHeading(const QString& heading);
    void setOptionCaption(int index, const QString& caption);
    QString optionCaption(int index) const;
    void setBalance(int index, const QString& text, const QColor& colour);
    QString balanceText(int index) const;
    QColor balanceColour(int index) const;

    // The chosen option, or -1.
    int checkedOption() const;
    // Chooses an option; -1 clears the choice.
    void setCheckedOption(int index);
    void clearChoice() { setCheckedOption(-1); }

signals:
    // The choice changed, by the user or by the program; -1 when cleared.
    void choiceChanged(int index);

private:
    QButtonGroup* m_group;
    QLabel* m_heading;
    QList<QRadioButton*> m_options;
    QList<QLabel*> m_balances;
};
