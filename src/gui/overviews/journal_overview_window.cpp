#include "gui/overviews/journal_overview_window.h"

#include "core/ledger/ledger.h"
#include "core/store/table.h"
#include "core/store/table_model.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/overviews/journal_grid_delegate.h"
#include "gui/widgets/colour_button.h"
#include "report/banded_report.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {
const QString kDateField = QStringLiteral("Datum");
const QString kDescriptionField = QStringLiteral("Omschrijving");

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

// The captions of the two editors, bold red as in the window's design.
QLabel* editorCaption(const QString& text, QWidget* parent)
{
    QLabel* label = captionLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}
} // namespace

JournalOverviewWindow::JournalOverviewWindow(Table& journal, BandedReport& print, QWidget* parent)
    : Page(parent), m_journal(journal), m_print(print)
{
    setObjectName(QString::fromLatin1(FormName));
    setCaption(QStringLiteral("Overzicht journaalmutaties"));

    m_model = new TableModel(&m_journal,
                             {QStringLiteral("JrNr"), kDateField, kDescriptionField,
                              QStringLiteral("Vanrekening"), QStringLiteral("van"),
                              QStringLiteral("Naarrekening"), QStringLiteral("naar"),
                              QStringLiteral("Bedrag")},
                             this);
    m_model->setHeaders({QStringLiteral("Boekst"), kDateField, kDescriptionField,
                         QStringLiteral("Rek,"), QStringLiteral("van"), QStringLiteral("Rek."),
                         QStringLiteral("naar"), QStringLiteral("Bedrag")});

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("RxDBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new JournalGridDelegate(m_grid));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFilterPanel());
    layout->addWidget(buildEditors());
    layout->addWidget(buildNavigator());
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildButtons());

    connect(m_model, &TableModel::currentRowChanged, this, [this] { followTable(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { followTable(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_loading && current.isValid() && current.row() != m_journal.row())
                    m_model->setCurrentRow(current.row());
            });
}

JournalOverviewWindow::~JournalOverviewWindow() = default;

QLineEdit* JournalOverviewWindow::addFilterBox(const QString& objectName, int width)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setFixedWidth(width);
    connect(box, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
    m_filterBoxes << box;
    return box;
}

QWidget* JournalOverviewWindow::buildFilterPanel()
{
    auto* panel = new QGroupBox(QStringLiteral("FILTER"), this);
    panel->setObjectName(QStringLiteral("filterPanel"));
    auto* row = new QHBoxLayout(panel);
    m_fromNumber = addFilterBox(QStringLiteral("Edit4"), 60);
    m_toNumber = addFilterBox(QStringLiteral("Edit5"), 60);
    m_description = addFilterBox(QStringLiteral("Edit2"), 200);
    m_fromAccount = addFilterBox(QStringLiteral("Edit3"), 50);
    m_toAccount = addFilterBox(QStringLiteral("Edit1"), 50);
    row->addWidget(captionLabel(QStringLiteral("Boekstuk"), panel));
    row->addWidget(m_fromNumber);
    row->addWidget(captionLabel(QStringLiteral("t/m"), panel));
    row->addWidget(m_toNumber);
    row->addSpacing(12);
    row->addWidget(captionLabel(kDescriptionField, panel));
    row->addWidget(m_description);
    row->addSpacing(12);
    row->addWidget(captionLabel(QStringLiteral("Rekening  Nr. van"), panel));
    row->addWidget(m_fromAccount);
    row->addWidget(captionLabel(QStringLiteral("naar"), panel));
    row->addWidget(m_toAccount);
    row->addStretch();
    return panel;
}

QWidget* JournalOverviewWindow::buildEditors()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    m_dateEditor = new QDateEdit(panel);
    m_dateEditor->setObjectName(QStringLiteral("DBDateEdit1"));
    m_dateEditor->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    m_dateEditor->setCalendarPopup(true);
    m_descriptionEditor = new QLineEdit(panel);
    m_descriptionEditor->setObjectName(QStringLiteral("DBEdit1"));
    if (const FieldDef* field = m_journal.schema().field(kDescriptionField))
        m_descriptionEditor->setMaxLength(field->width);
    connect(m_dateEditor, &QDateEdit::editingFinished, this, [this] { commitDate(); });
    connect(m_descriptionEditor, &QLineEdit::editingFinished, this,
            [this] { commitDescription(); });
    row->addWidget(editorCaption(QStringLiteral("Datum aanpassen"), panel));
    row->addWidget(m_dateEditor);
    row->addSpacing(12);
    row->addWidget(editorCaption(QStringLiteral("Omschrijving aanpassen"), panel));
    row->addWidget(m_descriptionEditor, 1);
    return panel;
}

QWidget* JournalOverviewWindow::buildNavigator()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("DBNavigator1"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    struct Move
    {
        const char* name;
        const char* text;
        const char* hint;
        bool (Table::*step)();
    };
    const Move moves[] = {{"navigatorFirst", "|<", "Eerste regel", &Table::first},
                          {"navigatorPrior", "<", "Vorige regel", &Table::prior},
                          {"navigatorNext", ">", "Volgende regel", &Table::next},
                          {"navigatorLast", ">|", "Laatste regel", &Table::last}};
    for (const Move& move : moves) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QLatin1String(move.name));
        button->setText(QLatin1String(move.text));
        button->setToolTip(QString::fromUtf8(move.hint));
        // Taking the focus ends an edit in progress before the line changes.
        button->setFocusPolicy(Qt::StrongFocus);
        const auto step = move.step;
        connect(button, &QToolButton::clicked, this, [this, step] {
            commitEditors();
            (m_journal.*step)();
        });
        row->addWidget(button);
    }
    row->addSpacing(24);
    row->addWidget(captionLabel(QStringLiteral("Records"), panel));
    m_count = captionLabel(QString(), panel);
    m_count->setObjectName(QStringLiteral("recordCount"));
    row->addWidget(m_count);
    row->addStretch();
    return panel;
}

QWidget* JournalOverviewWindow::buildButtons()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* print = new ColourButton(QStringLiteral("  Afdrukken     "), panel);
    print->setObjectName(QStringLiteral("SRColorButton1"));
    connect(print, &QPushButton::clicked, this, [this] { SRColorButton1Click(); });
    auto* help = new ColourButton(QStringLiteral(" Help                "), panel);
    help->setObjectName(QStringLiteral("helpButton"));
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    auto* close = new ColourButton(QStringLiteral(" Sluit venster   "), panel);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, [this] { closePage(); });
    row->addWidget(print);
    row->addWidget(help);
    row->addStretch();
    row->addWidget(close);
    return panel;
}

void JournalOverviewWindow::onShow()
{
    showCount();
    followTable();
}

void JournalOverviewWindow::onClose()
{
    commitEditors();
    for (QLineEdit* box : std::as_const(m_filterBoxes)) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
    m_journal.setFilter(QString());
    m_journal.setFiltered(false);
}

void JournalOverviewWindow::Edit4Change()
{
    const QStringList fields{QStringLiteral("JrNr"), QStringLiteral("JrNr"), kDescriptionField,
                             QStringLiteral("Vanrekening"), QStringLiteral("Naarrekening")};
    const QStringList values{m_fromNumber->text(), m_toNumber->text(), m_description->text(),
                             m_fromAccount->text(), m_toAccount->text()};
    const QStringList operators{QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("LIKE"),
                                QStringLiteral("="), QStringLiteral("=")};
    commitEditors();
    bool built = false;
    {
        // The window shows the store's message itself, once.
        std::optional<Shell::QuietTableErrors> quiet;
        if (Shell* shell = Shell::instance())
            quiet.emplace(*shell);
        built = BuildSearchFilter(m_journal, 5, fields, values, operators, true);
    }
    if (!built)
        MessageBox::error(this, m_journal.lastError());
    showCount();
    followTable();
}

void JournalOverviewWindow::SRColorButton1Click()
{
    commitEditors();
    if (m_print.Available())
        m_print.Preview();
}

int JournalOverviewWindow::shownCount() const
{
    return m_journal.isActive() ? m_journal.recordCount() : 0;
}

void JournalOverviewWindow::showCount()
{
    m_count->setText(QString::number(shownCount()));
}

void JournalOverviewWindow::followTable()
{
    selectGridRow(m_journal.row());
    loadEditors();
}

void JournalOverviewWindow::selectGridRow(int row)
{
    m_loading = true;
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex index = m_model->index(row, 0);
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
    } else {
        m_grid->selectionModel()->clear();
    }
    m_loading = false;
}

void JournalOverviewWindow::loadEditors()
{
    const bool hasLine =
        m_journal.isActive() && m_journal.row() >= 0 && m_journal.row() < m_journal.recordCount();
    m_loading = true;
    m_dateEditor->setEnabled(hasLine);
    m_descriptionEditor->setEnabled(hasLine);
    m_dateEditor->setDate(hasLine ? m_journal.asDate(kDateField) : QDate::currentDate());
    m_descriptionEditor->setText(hasLine ? m_journal.asString(kDescriptionField) : QString());
    m_loading = false;
}

void JournalOverviewWindow::commitEditors()
{
    commitDate();
    commitDescription();
}

void JournalOverviewWindow::commitDate()
{
    if (!m_loading && m_dateEditor->isEnabled() &&
        m_dateEditor->date() != m_journal.asDate(kDateField))
        writeField(kDateField, m_dateEditor->date());
}

void JournalOverviewWindow::commitDescription()
{
    if (!m_loading && m_descriptionEditor->isEnabled() &&
        m_descriptionEditor->text() != m_journal.asString(kDescriptionField))
        writeField(kDescriptionField, m_descriptionEditor->text());
}

// Only the date and the description change here: amounts and accounts, and with them the
// balances, stay as they were booked.
bool JournalOverviewWindow::writeField(const QString& field, const QVariant& value)
{
    if (m_journal.row() < 0 || m_journal.row() >= m_journal.recordCount())
        return false;
    if (m_journal.edit() && m_journal.setValue(field, value) && m_journal.post())
        return true;
    m_journal.cancel();
    loadEditors();
    return false;
}
