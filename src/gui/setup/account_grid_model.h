#pragma once

#include <QColor>

#include "core/store/table_model.h"

// The accounts table as the account descriptions grid shows it: Nummer, Naam, saldo and
// Altijdtonen, each row coloured by the kind of account it holds, and the flag shown as
// "True"/"False" to match the window's explanation.
class AccountGridModel : public TableModel
{
    Q_OBJECT
public:
    explicit AccountGridModel(Table* accounts, QObject* parent = nullptr);

    // The row colour of an account; invalid where the grid keeps its own background.
    static QColor rowColour(int Nummer);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int numberAt(int row) const;
};
