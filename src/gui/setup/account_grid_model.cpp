#include "gui/setup/account_grid_model.h"

#include "core/ledger/chart_of_accounts.h"
#include "core/store/table.h"

AccountGridModel::AccountGridModel(Table* accounts, QObject* parent)
    : TableModel(accounts,
                 {QStringLiteral("Nummer"), QStringLiteral("Naam"), QStringLiteral("saldo"),
                  QStringLiteral("Altijdtonen")},
                 parent)
{
}

QColor AccountGridModel::rowColour(int Nummer)
{
    // Later rules override earlier ones: the payables and receivables accounts stand out
    // among the assets, and the totals stay white inside their coloured ranges.
    QColor colour;
    if (Nummer > 399 && Nummer < 500)
        colour = QColor(255, 244, 244);
    if (Nummer > 700 && Nummer < 800)
        colour = QColor(232, 255, 232);
    if (Nummer > 0 && Nummer < 200)
        colour = QColor(254, 255, 240);
    if (Nummer == 201)
        colour = QColor(255, 217, 217);
    if (Nummer == 211)
        colour = QColor(157, 255, 157);
    if (ChartOfAccounts::TotalAccounts().contains(Nummer))
        colour = QColor(Qt::white);
    return colour;
}

int AccountGridModel::numberAt(int row) const
{
    return TableModel::data(index(row, 0), Qt::EditRole).toInt();
}

QVariant AccountGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::BackgroundRole) {
        const QColor colour = rowColour(numberAt(index.row()));
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    if (role == Qt::DisplayRole && fieldAt(index.column()) == QLatin1String("Altijdtonen"))
        return TableModel::data(index, Qt::EditRole).toBool() ? QStringLiteral("True")
                                                              : QStringLiteral("False");
    return TableModel::data(index, role);
}
