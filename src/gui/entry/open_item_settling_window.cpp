#include "gui/entry/open_item_settling_window.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/app/app_state.h"
#include "core/data/data_module.h"
#include "core/entry/entry_balances.h"
#include "core/entry/open_item_marks.h"
#include "core/ledger/ledger.h"
#include "core/store/table_model.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/entry/open_item_grid.h"
#include "gui/widgets/amount_edit.h"
#include "gui/widgets/balance_radio_group.h"
#include "gui/widgets/colour_button.h"

namespace {
QStringList financialCaptions()
{
    return {
        QStringLiteral("Bank 1"), QStringLiteral("bank 2"), QStringLiteral("bank 3"),
        QStringLiteral("Bank 4"), QStringLiteral("Bank 5"), QStringLiteral("Bank 6"),
        QStringLiteral("Bank 7"), QStringLiteral("Bank 8"), QStringLiteral("Bank 9"),
        QStringLiteral("kas 1"),  QStringLiteral("kas 2"),  QStringLiteral("kas 3"),
        QStringLiteral("kas 4"),  QStringLiteral("Kas 5"),  QStringLiteral("stortingverschillen")};
}

const QStringList filterFields{QStringLiteral("Datum"), QStringLiteral("Omschrijving"),
                               QStringLiteral("Bedrag")};

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

OpenItemSettlingWindow::OpenItemSettlingWindow(Kind kind, DataModule& data, Ledger& ledger,
                                               Settings& settings, QWidget* parent)
    : EntryPage(data, ledger, settings, kind.formName, kind.caption, kind.helpHeading, parent),
      m_kind(std::move(kind))
{
    buildFrame(buildContent(), m_kind.shortcuts);
    // Option 0 is chosen once, at start-up; the window never clears it.
    m_financial->setCheckedOption(0);
    connect(m_amount, &AmountEdit::valueChanged, this, &OpenItemSettlingWindow::updatePostButton);
    Table& table = items();
    connect(&table, &Table::recordsReset, this, &OpenItemSettlingWindow::updatePostButton);
    connect(&table, &Table::rowInserted, this, &OpenItemSettlingWindow::updatePostButton);
    connect(&table, &Table::rowRemoved, this, &OpenItemSettlingWindow::updatePostButton);
    connect(m_post, &QPushButton::clicked, this, &OpenItemSettlingWindow::post);
    connect(m_grid, &OpenItemGrid::rowClicked, this, &OpenItemSettlingWindow::pickItem);
    connect(m_grid, &OpenItemGrid::markPressed, this, &OpenItemSettlingWindow::toggleMark);
    connect(m_grid, &OpenItemGrid::deletePressed, this, &OpenItemSettlingWindow::deleteCurrentItem);
}

Table& OpenItemSettlingWindow::items() const
{
    return m_kind.receivables ? m_data.ontvangentabel : m_data.betalentabel;
}

int OpenItemSettlingWindow::openItemAccount() const
{
    return m_kind.receivables ? FinancialOptions::Receivables : FinancialOptions::Payables;
}

QWidget* OpenItemSettlingWindow::buildContent()
{
    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->addWidget(buildGridPanel(content), 1);
    left->addWidget(buildEntryRow(QStringLiteral("DateTimePicker1"), QStringLiteral("Edit1"),
                                  QStringLiteral("RxCalcEdit1")));
    left->addWidget(buildFilterPanel(content));
    columns->addLayout(left, 5);

    auto* right = new QVBoxLayout;
    auto* openRow = new QHBoxLayout;
    m_openCaption = boldLabel(m_kind.receivables ? QStringLiteral("Nog te ontvangen")
                                                 : QStringLiteral("Nog te betalen"),
                              content);
    m_openCaption->setObjectName(QStringLiteral("openItemCaption"));
    m_openBalance = boldLabel(QString(), content);
    m_openBalance->setObjectName(QStringLiteral("openItemBalance"));
    m_openBalance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    openRow->addWidget(m_openCaption);
    openRow->addWidget(m_openBalance, 1);
    right->addLayout(openRow);
    m_financial = new BalanceRadioGroup(QString(), financialCaptions(), content);
    m_financial->setObjectName(QStringLiteral("RadioGroup1"));
    m_financial->setBalanceHeading(QStringLiteral(" SALDO "));
    right->addWidget(m_financial);
    right->addWidget(buildInstructions(content));
    m_post = postButton(m_kind.postCaption, content);
    right->addWidget(m_post, 0, Qt::AlignLeft);
    right->addStretch(1);
    columns->addLayout(right, 3);
    return content;
}

QWidget* OpenItemSettlingWindow::buildGridPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new OpenItemGrid(panel);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new TableModel(&items(),
                             {QStringLiteral("Sel"), QStringLiteral("Datum"),
                              QStringLiteral("Omschrijving"), QStringLiteral("Bedrag")},
                             this);
    m_grid->bind(m_model);
    m_grid->setMinimumSize(520, 300);
    layout->addWidget(m_grid, 1);

    auto* mergeRow = new QHBoxLayout;
    mergeRow->addWidget(
        boldLabel(QStringLiteral("Select (S-toets) twee posten om samen te voegen"), panel));
    auto* merge = new ColourButton(m_kind.mergeCaption, panel);
    merge->setObjectName(QStringLiteral("SRColorButton6"));
    connect(merge, &QPushButton::clicked, this, &OpenItemSettlingWindow::mergeMarked);
    mergeRow->addWidget(merge);
    mergeRow->addStretch(1);
    layout->addLayout(mergeRow);
    return panel;
}

QWidget* OpenItemSettlingWindow::buildFilterPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("FILTER OPENSTAANDE POSTEN"), panel), 0, 0, 1, 3);
    for (int i = 0; i < filterFields.size(); ++i) {
        grid->addWidget(boldLabel(filterFields[i], panel), 1, i);
        auto* box = new QLineEdit(panel);
        box->setObjectName(QStringLiteral("Edit%1").arg(i + 2));
        connect(box, &QLineEdit::textChanged, this, &OpenItemSettlingWindow::applyFilter);
        grid->addWidget(box, 2, i);
        m_filters.append(box);
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* OpenItemSettlingWindow::buildInstructions(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 8, 0, 8);
    for (const QString& text : {QStringLiteral("1. Selecteer de juiste openstaande post"),
                                QStringLiteral("2. Kies de juiste datum"),
                                QStringLiteral("3. Pas eventueel de omschrijving aan"),
                                QStringLiteral("4. Pas eventueel het bedrag aan"),
                                m_kind.accountInstruction, QStringLiteral("6. Klik op doorboeken")})
        lines->addWidget(instruction(text, box));
    return box;
}

bool OpenItemSettlingWindow::canPost() const
{
    return !m_amount->isZero() && items().recordCount() > 0;
}

void OpenItemSettlingWindow::updatePostButton()
{
    m_post->setEnabled(canPost());
}

void OpenItemSettlingWindow::post()
{
    if (!canPost())
        return;
    const int account = m_options.accountForOption(m_financial->checkedOption());
    const auto settle = [&] {
        return m_kind.receivables ? m_posting.settleReceivable(account, m_description->text(),
                                                               m_date->date(), m_amount->value())
                                  : m_posting.settlePayable(account, m_description->text(),
                                                            m_date->date(), m_amount->value());
    };
    EntryResult result;
    if (Shell* shell = Shell::instance()) {
        const Shell::QuietTableErrors quiet(*shell);
        result = settle();
    } else {
        result = settle();
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
    showProcessedNotice();
    updatePostButton();
}

void OpenItemSettlingWindow::pickItem(int row)
{
    Table& table = items();
    if (row < 0 || row >= table.recordCount())
        return;
    m_model->setCurrentRow(row);
    m_description->setText(table.asString(QStringLiteral("Omschrijving")));
    m_amount->setValue(table.asFloat(QStringLiteral("Bedrag")));
}

void OpenItemSettlingWindow::toggleMark()
{
    QString error;
    if (!OpenItemMarks::toggleMark(items(), &error) && items().recordCount() > 0)
        reportFailure(error);
}

void OpenItemSettlingWindow::mergeMarked()
{
    const OpenItemMarks::MergeOutcome outcome =
        OpenItemMarks::mergeMarked(m_data.Database1, items());
    if (outcome.marked > 0) {
        m_description->clear();
        m_amount->setValue(0.0);
    }
    if (!outcome.error.isEmpty())
        reportFailure(outcome.error);
}

void OpenItemSettlingWindow::deleteCurrentItem()
{
    Table& table = items();
    if (table.currentRowId() < 0)
        return;
    if (!MessageBox::question(this, QStringLiteral("Record verwijderen?"),
                              QStringLiteral("Bevestiging")))
        return;
    table.deleteRecord();
}

void OpenItemSettlingWindow::applyFilter()
{
    QStringList values;
    for (const QLineEdit* box : std::as_const(m_filters))
        values << box->text();
    BuildSearchFilter(items(), int(filterFields.size()), filterFields, values,
                      {QStringLiteral("LIKE"), QStringLiteral("LIKE"), QStringLiteral("LIKE")},
                      true);
}

void OpenItemSettlingWindow::showBalances()
{
    const QList<BalanceRow> options = EntryBalances::optionRows(m_data.rekeningtabel, m_options);
    for (int option = 0; option < options.size(); ++option) {
        // The differences account is neither good nor bad news: always grey.
        const QColor colour = options[option].account == FinancialOptions::Differences
                                  ? EntryBalances::grey()
                                  : options[option].colour;
        m_financial->setOptionCaption(option, options[option].name);
        m_financial->setBalance(option, options[option].amountText, colour);
    }
    const BalanceRow open = EntryBalances::read(m_data.rekeningtabel, openItemAccount(), false);
    if (!m_kind.receivables)
        m_openCaption->setText(open.name);
    m_openBalance->setText(open.amountText);
    QPalette palette = m_openBalance->palette();
    palette.setColor(QPalette::WindowText, open.colour);
    m_openBalance->setPalette(palette);
}

void OpenItemSettlingWindow::onShow()
{
    showBalances();
    showLastNumber();
    refreshTitle();
    m_amount->reformat();
    updatePostButton();
}

void OpenItemSettlingWindow::onClose()
{
    m_description->clear();
    m_amount->setValue(0.0);
    for (QLineEdit* box : std::as_const(m_filters)) {
        const QSignalBlocker block(box);
        box->clear();
    }
    items().setFilter(QString());
    items().setFiltered(false);
    updatePostButton();
}
