#include "gui/entry/income_entry_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/data/data_module.h"
#include "core/entry/member_contribution.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/colour_button.h"

IncomeEntryWindow::IncomeEntryWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                     QWidget* parent)
    : AccountEntryWindow(AccountEntryKind::income(), data, ledger, settings, parent)
{
    buildMemberPick();
}

void IncomeEntryWindow::buildMemberPick()
{
    auto* heading = new QLabel(QStringLiteral("Omschrijving invoerhulp"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_memberButton = new ColourButton(QString(), this);
    m_memberButton->setObjectName(QStringLiteral("SRColorButton6"));
    m_withContribution = new QCheckBox(QStringLiteral("incl. contributie"), this);
    m_withContribution->setObjectName(QStringLiteral("contributionCheck"));
    m_members = new QComboBox(this);
    m_members->setObjectName(QStringLiteral("RxDBLookupCombo1"));
    m_members->setMaxVisibleItems(40);
    m_members->setMinimumWidth(260);
    m_members->hide();
    extrasLayout()->addWidget(heading);
    extrasLayout()->addWidget(m_memberButton, 0, Qt::AlignLeft);
    extrasLayout()->addWidget(m_withContribution);
    extrasLayout()->addWidget(m_members, 0, Qt::AlignLeft);
    styleMemberButton();
    connect(m_memberButton, &QPushButton::clicked, this, &IncomeEntryWindow::toggleMemberPick);
    connect(m_members, &QComboBox::activated, this, &IncomeEntryWindow::pickMember);
}

EntryResult IncomeEntryWindow::book(int listAccount, int financialAccount)
{
    return m_posting.postIncome(listAccount, financialAccount, m_description->text(),
                                m_date->date(), m_amount->value());
}

void IncomeEntryWindow::onShow()
{
    AccountEntryWindow::onShow();
    if (memberPickShown())
        fillMemberBox();
}

bool IncomeEntryWindow::memberPickShown() const
{
    return !m_members->isHidden();
}

void IncomeEntryWindow::toggleMemberPick()
{
    m_members->setVisible(!memberPickShown());
    if (memberPickShown())
        fillMemberBox();
    styleMemberButton();
}

void IncomeEntryWindow::styleMemberButton()
{
    const bool shown = memberPickShown();
    m_memberButton->setText(shown ? QStringLiteral("Leden keuze UIT")
                                  : QStringLiteral("Leden keuze AAN"));
    m_memberButton->setFaceColour(shown ? QColor(Qt::red) : QColor(0, 113, 0));
    m_memberButton->setTextColour(Qt::white);
}

// The box lists the register as it is now, under whatever filter the member windows left.
void IncomeEntryWindow::fillMemberBox()
{
    Table& members = m_data.ledentabel;
    const int nameField = members.schema().fieldIndex(QStringLiteral("Naam"));
    m_members->clear();
    for (int row = 0; row < members.recordCount(); ++row)
        m_members->addItem(members.valueAt(row, nameField).toString());
    m_members->setCurrentIndex(-1);
}

void IncomeEntryWindow::pickMember(int row)
{
    Table& members = m_data.ledentabel;
    if (row < 0 || !members.moveToRow(row))
        return;
    m_description->setText(m_members->itemText(row));
    if (m_withContribution->isChecked()) {
        m_amount->setValue(
            MemberContribution::amount(members.asString(QStringLiteral("Contributie"))));
    }
    m_amount->setFocus();
}
