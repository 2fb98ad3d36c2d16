#include "gui/entry/cross_posting_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/app_state.h"
#include "core/data/data_module.h"
#include "core/entry/entry_balances.h"
#include "gui/app/shell.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

namespace {
QStringList financialCaptions()
{
    QStringList captions{QStringLiteral("Bank 1")};
    for (int bank = 2; bank <= 9; ++bank)
        captions << QStringLiteral("bank %1").arg(bank);
    for (int cash = 1; cash <= 5; ++cash)
        captions << QStringLiteral("kas %1").arg(cash);
    captions << QStringLiteral("stortingverschillen");
    return captions;
}

const QList<EntryPage::Shortcut> shortcuts{{"incomeShortcut", " Inkomsten      ", "TForm8"},
                                           {"expensesShortcut", " Uitgaven        ", "TForm15"},
                                           {"receivablesShortcut", " Te ontvangen ", "TForm11"},
                                           {"payablesShortcut", " Te betalen      ", "TForm10"}};
} // namespace

CrossPostingWindow::CrossPostingWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                       QWidget* parent)
    : EntryPage(data, ledger, settings, QStringLiteral("TForm9"),
                QStringLiteral("Verwerken kruisposten"), QStringLiteral("1.5 KRUISPOSTEN"), parent)
{
    buildFrame(buildContent(), shortcuts);
    m_description->setText(QString::fromLatin1(DefaultDescription));
    // "From" starts at the first bank account and is never cleared.
    m_from->setCheckedOption(0);
    connect(m_amount, &AmountEdit::valueChanged, this, &CrossPostingWindow::updatePostButton);
    connect(m_from, &BalanceRadioGroup::choiceChanged, this, &CrossPostingWindow::updatePostButton);
    connect(m_to, &BalanceRadioGroup::choiceChanged, this, &CrossPostingWindow::updatePostButton);
    connect(m_post, &QPushButton::clicked, this, &CrossPostingWindow::post);
}

QWidget* CrossPostingWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->addWidget(buildEntryRow(QStringLiteral("DateTimePicker1"), QStringLiteral("Edit1"),
                                  QStringLiteral("RxCalcEdit1")));
    left->addSpacing(12);
    left->addWidget(buildInstructions(content));
    left->addSpacing(12);
    m_post = postButton(QStringLiteral(" Doorboeken     "), content);
    left->addWidget(m_post, 0, Qt::AlignLeft);
    left->addStretch(1);
    columns->addLayout(left, 3);

    m_from = new BalanceRadioGroup(QStringLiteral("VAN REKENING"), financialCaptions(), content);
    m_from->setObjectName(QStringLiteral("RadioGroup1"));
    m_from->setBalanceHeading(QStringLiteral(" SALDO "));
    m_to = new BalanceRadioGroup(QStringLiteral(" NAAR REKENING "), financialCaptions(), content);
    m_to->setObjectName(QStringLiteral("RadioGroup2"));
    m_to->setBalanceHeading(QStringLiteral(" SALDO "));
    columns->addWidget(m_from, 3, Qt::AlignTop);
    columns->addWidget(m_to, 3, Qt::AlignTop);
    return content;
}

QWidget* CrossPostingWindow::buildInstructions(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    for (const QString& text : {QStringLiteral("1. Kies de juiste datum"),
                                QStringLiteral("2. Pas eventueel de omschrijving aan"),
                                QStringLiteral("3. Vul het bedrag in"),
                                QStringLiteral("4. Klik op de rekening waar het vanaf is gegaan"),
                                QStringLiteral("5. Klik op de rekening waar het naartoe is gegaan"),
                                QStringLiteral("6. Klik op doorboeken")})
        lines->addWidget(instruction(text, box));
    return box;
}

bool CrossPostingWindow::canPost() const
{
    return !m_amount->isZero() && m_to->checkedOption() >= 0 &&
           m_to->checkedOption() != m_from->checkedOption();
}

void CrossPostingWindow::updatePostButton()
{
    m_post->setEnabled(canPost());
}

void CrossPostingWindow::post()
{
    if (canPost()) {
        const int from = m_options.accountForOption(m_from->checkedOption());
        const int to = m_options.accountForOption(m_to->checkedOption());
        EntryResult result;
        if (Shell* shell = Shell::instance()) {
            const Shell::QuietTableErrors quiet(*shell);
            result = m_posting.postCrossPosting(from, to, m_description->text(), m_date->date(),
                                                m_amount->value());
        } else {
            result = m_posting.postCrossPosting(from, to, m_description->text(), m_date->date(),
                                                m_amount->value());
        }
        if (!result) {
            reportFailure(result.error);
        } else {
            AppState::DataChanged = 1;
            showBalances();
            m_amount->setValue(0.0);
            showLastNumber();
            showProcessedNotice();
        }
    }
    m_to->clearChoice();
    updatePostButton();
}

void CrossPostingWindow::showBalances()
{
    const QList<BalanceRow> options = EntryBalances::optionRows(m_data.rekeningtabel, m_options);
    for (int option = 0; option < options.size(); ++option) {
        for (BalanceRadioGroup* group : {m_from, m_to}) {
            group->setOptionCaption(option, options[option].name);
            group->setBalance(option, options[option].amountText, options[option].colour);
        }
    }
}

void CrossPostingWindow::onShow()
{
    showBalances();
    showLastNumber();
    m_to->clearChoice();
    refreshTitle();
    m_amount->reformat();
    updatePostButton();
}
