#include "gui/setup/depreciation_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/books/account_book.h"
#include "gui/setup/balance_display.h"
#include "gui/setup/entry_row.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

namespace {
QStringList numberedCaptions()
{
    QStringList captions;
    for (int option = 1; option <= Depreciation::Options; ++option)
        captions << QStringLiteral(" %1").arg(option);
    return captions;
}

QList<int> accounts(int (*accountForOption)(int))
{
    QList<int> list;
    for (int option = 0; option < Depreciation::Options; ++option)
        list << accountForOption(option);
    return list;
}
} // namespace

DepreciationWindow::DepreciationWindow(DataModule& data, Ledger& ledger, Settings& settings,
                                       QWidget* parent)
    : SetupPage(data, ledger, settings, QStringLiteral("TForm33"),
                QStringLiteral("Verwerken afschrijvingen"), QStringLiteral("3.4 AFSCHRIJVINGEN"),
                parent),
      m_book(data, ledger)
{
    buildFrame(buildContent(), BottomRow{});
    m_entry->description()->setText(QStringLiteral("Afschrijvingen"));
    m_inventory->setCheckedOption(0);
    m_depreciation->setCheckedOption(0);
    for (BalanceRadioGroup* group : {m_inventory, m_depreciation})
        connect(group, &BalanceRadioGroup::choiceChanged, this, &DepreciationWindow::choosePair);
    connect(m_entry->amount(), &AmountEdit::valueChanged, this,
            &DepreciationWindow::updatePostButton);
    connect(m_post, &QPushButton::clicked, this, &DepreciationWindow::post);
}

QWidget* DepreciationWindow::buildContent()
{
    const TwoChoiceForm form =
        buildTwoChoiceForm({QStringLiteral("VAN BALANS REKENING"), numberedCaptions()},
                           {QStringLiteral("NAAR AFSCHRIJVING REKENING"), numberedCaptions()},
                           {QStringLiteral("1. Kies de juiste datum"),
                            QStringLiteral("2. Pas eventueel de omschrijving aan"),
                            QStringLiteral("3. Vul het bedrag in"),
                            QStringLiteral("4. Klik op de rekening waar het vanaf is gegaan"),
                            QStringLiteral("5. Klik op de rekening waar het naartoe is gegaan"),
                            QStringLiteral("6. Klik op doorboeken")},
                           QStringLiteral(" Doorboeken     "));
    m_entry = form.entry;
    m_inventory = form.first;
    m_depreciation = form.second;
    m_post = form.post;
    return form.content;
}

void DepreciationWindow::choosePair(int option)
{
    // Neither group lets its choice go, so -1 never has to be mirrored.
    if (option < 0)
        return;
    m_inventory->setCheckedOption(option);
    m_depreciation->setCheckedOption(option);
    updatePostButton();
}

bool DepreciationWindow::canPost() const
{
    return !m_entry->amount()->isZero() && m_inventory->checkedOption() >= 0;
}

void DepreciationWindow::updatePostButton()
{
    m_post->setEnabled(canPost());
}

void DepreciationWindow::post()
{
    if (!canPost())
        return;
    const BooksResult result = carryOut([this] {
        return m_book.post(m_inventory->checkedOption(), m_entry->description()->text(),
                           m_entry->date()->date(), m_entry->amount()->value());
    });
    if (!result)
        return;
    showBalances();
    m_entry->amount()->setValue(0.0);
    showLastNumber(journalLineCount());
    showProcessedNotice();
}

void DepreciationWindow::showBalances()
{
    const AccountBook book = AccountBook::read(m_data);
    BalanceDisplay::fill(*m_inventory, book, accounts(&Depreciation::inventoryAccountForOption));
    BalanceDisplay::fill(*m_depreciation, book,
                         accounts(&Depreciation::depreciationAccountForOption));
}

void DepreciationWindow::onShow()
{
    refreshTitle();
    showBalances();
    showLastNumber(journalLineCount());
    m_entry->amount()->reformat();
    updatePostButton();
}
