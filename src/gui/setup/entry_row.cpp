#include "gui/setup/entry_row.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/setup/setup_page.h"
#include "gui/widgets/amount_edit.h"

EntryRow::EntryRow(const QString& dateName, const QString& descriptionName,
                   const QString& amountName, QWidget* parent)
    : QWidget(parent), m_date(new QDateEdit(QDate::currentDate(), this)),
      m_description(new QLineEdit(this)), m_amount(new AmountEdit(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(SetupPage::boldLabel(QStringLiteral("Datum"), this), 0, 0);
    grid->addWidget(SetupPage::boldLabel(QStringLiteral("Omschrijving"), this), 0, 1);
    grid->addWidget(SetupPage::boldLabel(QStringLiteral("Bedrag"), this), 0, 2);

    m_date->setObjectName(dateName);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    m_description->setObjectName(descriptionName);
    // The width of the journal's and open items' description field: more would be cut off.
    m_description->setMaxLength(40);
    m_description->setMinimumWidth(180);
    m_amount->setObjectName(amountName);
    m_amount->setMinimumWidth(100);
    // Picking a date in the calendar leads on to the description.
    connect(m_date->calendarWidget(), &QCalendarWidget::clicked, m_description,
            [this] { m_description->setFocus(); });
    grid->addWidget(m_date, 1, 0);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(m_amount, 1, 2);
    grid->setColumnStretch(1, 1);
}
