#include "gui/setup/table_navigator.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "core/store/table.h"

TableNavigator::TableNavigator(Table& table, QWidget* parent) : QWidget(parent), m_table(table)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(addButton(QStringLiteral("navigatorFirst"), QStringLiteral("|◀"),
                             QStringLiteral("Eerste rekening"), &Table::first));
    row->addWidget(addButton(QStringLiteral("navigatorPrior"), QStringLiteral("◀"),
                             QStringLiteral("Vorige rekening"), &Table::prior));
    row->addWidget(addButton(QStringLiteral("navigatorNext"), QStringLiteral("▶"),
                             QStringLiteral("Volgende rekening"), &Table::next));
    row->addWidget(addButton(QStringLiteral("navigatorLast"), QStringLiteral("▶|"),
                             QStringLiteral("Laatste rekening"), &Table::last));
    row->addWidget(addButton(QStringLiteral("navigatorRefresh"), QStringLiteral("↻"),
                             QStringLiteral("Gegevens vernieuwen"), &Table::refresh));
    row->addStretch(1);
}

QToolButton* TableNavigator::addButton(const QString& objectName, const QString& text,
                                       const QString& toolTip, bool (Table::*action)())
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setMinimumWidth(32);
    connect(button, &QToolButton::clicked, this, [this, action] { (m_table.*action)(); });
    return button;
}
