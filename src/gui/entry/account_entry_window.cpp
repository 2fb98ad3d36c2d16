#include "gui/entry/account_entry_window.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/app_state.h"
#include "core/data/data_module.h"
#include "core/entry/entry_balances.h"
#include "core/settings/settings.h"
#include "gui/app/shell.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/separator_check_list.h"

namespace {
QStringList financialCaptions(const QString& last)
{
    QStringList captions{QStringLiteral("Bank 1")};
    for (int bank = 2; bank <= 9; ++bank)
        captions << QStringLiteral("bank %1").arg(bank);
    for (int cash = 1; cash <= 5; ++cash)
        captions << QStringLiteral("kas %1").arg(cash);
    captions << last;
    return captions;
}
} // namespace

AccountEntryWindow::AccountEntryWindow(AccountEntryKind kind, DataModule& data, Ledger& ledger,
                                       Settings& settings, QWidget* parent)
    : EntryPage(data, ledger, settings, kind.formName, kind.caption, kind.helpHeading, parent),
      m_kind(std::move(kind)), m_layout(m_kind.listBase), m_options(m_kind.lastFinancialAccount)
{
    buildFrame(buildContent(), m_kind.shortcuts);
    m_description->installEventFilter(this);
    connect(m_amount, &AmountEdit::valueChanged, this, &AccountEntryWindow::updatePostButton);
    connect(m_list, &SeparatorCheckList::selectedRowChanged, this,
            &AccountEntryWindow::updatePostButton);
    connect(m_financial, &BalanceRadioGroup::choiceChanged, this,
            &AccountEntryWindow::updatePostButton);
    connect(m_post, &QPushButton::clicked, this, &AccountEntryWindow::post);
}

QWidget* AccountEntryWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->addWidget(buildEntryRow(QStringLiteral("DateTimePicker2"), QStringLiteral("Edit2"),
                                  QStringLiteral("RxCalcEdit2")));
    left->addSpacing(12);
    left->addWidget(buildInstructions(content));
    left->addSpacing(12);
    m_post = postButton(QStringLiteral("Doorboeken     "), content);
    left->addWidget(m_post, 0, Qt::AlignLeft);
    left->addSpacing(12);
    m_extras = new QVBoxLayout;
    left->addLayout(m_extras);
    left->addStretch(1);
    columns->addLayout(left, 3);

    m_list = new SeparatorCheckList(content);
    m_list->setObjectName(QStringLiteral("RxCheckListBox1"));
    m_list->setRows(AccountListLayout::Rows, m_layout.separatorRows());
    m_list->setHeadings(m_kind.listHeading, QStringLiteral(" SALDO "));
    m_list->setMinimumWidth(380);
    m_list->setMinimumHeight(m_list->verticalHeader()->defaultSectionSize() * 40 +
                             m_list->horizontalHeader()->sizeHint().height() + 4);
    columns->addWidget(m_list, 4);

    m_financial = new BalanceRadioGroup(QStringLiteral(" Financiele rekeningen "),
                                        financialCaptions(m_kind.lastOptionCaption), content);
    m_financial->setObjectName(QStringLiteral("RadioGroup3"));
    m_financial->setBalanceHeading(QStringLiteral(" SALDO "));
    columns->addWidget(m_financial, 3, Qt::AlignTop);
    return content;
}

QWidget* AccountEntryWindow::buildInstructions(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    for (const QString& text :
         {QStringLiteral("1. Kies de juiste datum"), QStringLiteral("2. Vul de omschrijving in"),
          QStringLiteral("3. Vul het bedrag in"), m_kind.accountInstruction,
          QStringLiteral("5. Klik op de juiste financiele rekening"),
          QStringLiteral("6. Klik op doorboeken")})
        lines->addWidget(instruction(text, box));
    return box;
}

QString AccountEntryWindow::descriptionFile() const
{
    return m_settings.DataDirectory() + QLatin1Char('/') +
           QLatin1String(m_kind.descriptionFileName);
}

bool AccountEntryWindow::canPost() const
{
    return !m_amount->isZero() && m_layout.isMemberRow(m_list->selectedRow()) &&
           m_financial->checkedOption() >= 0;
}

void AccountEntryWindow::updatePostButton()
{
    m_post->setEnabled(canPost());
}

void AccountEntryWindow::post()
{
    if (!canPost())
        return;
    const int row = m_list->selectedRow();
    const int listAccount = m_layout.accountForRow(row);
    const int financialAccount = m_options.accountForOption(m_financial->checkedOption());
    EntryResult result;
    if (Shell* shell = Shell::instance()) {
        const Shell::QuietTableErrors quiet(*shell);
        result = book(listAccount, financialAccount);
    } else {
        result = book(listAccount, financialAccount);
    }
    if (!result) {
        reportFailure(result.error);
        return;
    }
    AppState::DataChanged = 1;
    showBalances();
    m_amount->setValue(0.0);
    m_description->clear();
    showLastNumber();
    m_date->setFocus();
    showProcessedNotice();
    // The next posting to the same account needs only a new amount and financial choice.
    m_list->setCheckedRow(row);
    m_list->setSelectedRow(row);
    m_financial->clearChoice();
    updatePostButton();
}

void AccountEntryWindow::showBalances()
{
    const bool combined = m_settings.options().CombinedGroup440;
    const QList<BalanceRow> rows =
        EntryBalances::listRows(m_data.rekeningtabel, m_layout, m_kind.negateList, combined);
    for (int row = 0; row < rows.size(); ++row) {
        const BalanceRow& balance = rows[row];
        if (m_layout.isSeparatorRow(row)) {
            m_list->setRowTotal(row, balance.account ? balance.amountText : QString(),
                                balance.colour);
            continue;
        }
        m_list->setRowText(row, balance.name);
        m_list->setRowBalance(row, balance.amountText, balance.colour);
    }
    const QList<BalanceRow> options = EntryBalances::optionRows(m_data.rekeningtabel, m_options);
    for (int option = 0; option < options.size(); ++option) {
        m_financial->setOptionCaption(option, options[option].name);
        m_financial->setBalance(option, options[option].amountText, options[option].colour);
    }
}

void AccountEntryWindow::loadDescriptions()
{
    if (const QString error = m_memory.load(descriptionFile()); !error.isEmpty())
        reportFailure(error);
}

void AccountEntryWindow::onShow()
{
    loadDescriptions();
    showBalances();
    showLastNumber();
    refreshTitle();
    m_financial->clearChoice();
    m_amount->reformat();
    updatePostButton();
}

void AccountEntryWindow::onClose()
{
    rememberDescription();
    if (const QString error = m_memory.save(descriptionFile()); !error.isEmpty())
        reportFailure(error);
}

void AccountEntryWindow::rememberDescription()
{
    m_memory.remember(m_description->text());
}

void AccountEntryWindow::completeDescription(int key)
{
    const QString typed = m_description->text();
    // Only keys that type a character complete; Backspace, Tab, Enter and Shift do not.
    if (typed.isEmpty() || key < Qt::Key_Space || key > Qt::Key_AsciiTilde)
        return;
    const int found = m_memory.FindRememberedDescription(typed);
    if (found < 0)
        return;
    const int typedLength = qMin(int(typed.size()), int(DescriptionMemory::TypedLength));
    m_description->setText(m_memory.entry(found));
    m_description->setSelection(typedLength, 50);
}

bool AccountEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_description) {
        if (event->type() == QEvent::FocusOut)
            rememberDescription();
        else if (event->type() == QEvent::KeyRelease)
            completeDescription(static_cast<QKeyEvent*>(event)->key());
    }
    return EntryPage::eventFilter(watched, event);
}
