#include "gui/app/main_window.h"

#include "core/amount_format.h"
#include "core/app/administration_session.h"
#include "core/app/app_state.h"
#include "core/settings/settings.h"
#include "gui/app/administration_colour.h"
#include "gui/app/button_group_frame.h"
#include "gui/app/main_window_buttons.h"
#include "gui/app/message_box.h"
#include "gui/app/shell.h"
#include "gui/widgets/colour_button.h"
#include "gui/widgets/gradient_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int LogoCentreX = 480;
constexpr int TopBarHeight = 46;
const QColor ButtonFace(232, 236, 248);

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget, int pointSizeDelta = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSizeDelta != 0)
        font.setPointSize(font.pointSize() + pointSizeDelta);
    widget->setFont(font);
}
} // namespace

MainWindow::MainWindow(Shell& shell)
    : m_shell(shell), m_session(std::make_unique<AdministrationSession>(
                          shell.settings(), shell.data(), shell.ledger()))
{
    setObjectName(QStringLiteral("TForm1"));
    setCaption(QStringLiteral("Administratie programma"));
    setMinimumSize(895, 600);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    layout->addWidget(buildBody(), 1);
    layout->addWidget(buildStatusBar());
    buildLogo(this);

    AppState::SecondInstance = false;
    m_reportYear->setText(QString::number(QDate::currentDate().year()));
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildTopBar()
{
    m_topBar = new GradientPanel(this);
    m_topBar->setObjectName(QStringLiteral("SRGradient1"));
    m_topBar->setVertical(false);
    m_topBar->setFixedHeight(TopBarHeight);
    auto* bar = new QHBoxLayout(m_topBar);
    bar->setContentsMargins(8, 6, 8, 6);

    m_logoButton = makeLabel(QStringLiteral("Image4"), QString(), m_topBar);
    m_logoButton->setPixmap(QPixmap(QStringLiteral(":/fondirex.png")));
    m_logoButton->setFixedSize(32, 32);
    m_logoButton->setScaledContents(true);
    m_logoButton->setToolTip(QStringLiteral("Toon eigen logo"));
    m_logoButton->setCursor(Qt::PointingHandCursor);
    m_logoButton->installEventFilter(this);
    bar->addWidget(m_logoButton);

    auto* title = makeLabel(QStringLiteral("captionLabel"), caption(), m_topBar);
    setBold(title, 3);
    connect(this, &QWidget::windowTitleChanged, title, &QLabel::setText);
    bar->addWidget(title, 1);

    auto* help = new ColourButton(QStringLiteral(" Help                "), m_topBar);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setFaceColour(ButtonFace);
    connect(help, &QPushButton::clicked, this, &Page::showHelp);
    bar->addWidget(help);
    auto* stop = new ColourButton(QStringLiteral(" Stop programma"), m_topBar);
    stop->setObjectName(QStringLiteral("stopButton"));
    stop->setFaceColour(ButtonFace);
    connect(stop, &QPushButton::clicked, this, &MainWindow::stopProgram);
    bar->addWidget(stop);
    return m_topBar;
}

QWidget* MainWindow::buildBody()
{
    m_body = new GradientPanel(this);
    m_body->setObjectName(QStringLiteral("SRGradient2"));
    auto* body = new QHBoxLayout(m_body);
    body->setContentsMargins(10, 10, 10, 6);
    body->setSpacing(12);
    body->addWidget(buildButtonGroups(), 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    side->addWidget(buildLedgerPanel());
    side->addWidget(buildFeastDays());
    side->addWidget(buildReportYear());
    side->addWidget(buildAdministrationChoice());
    side->addStretch();
    body->addLayout(side);
    return m_body;
}

QWidget* MainWindow::buildButtonGroups()
{
    auto* area = new QWidget(m_body);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(10);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    const auto& headings = MainWindowButtons::groupHeadings();
    const auto& groupNames = MainWindowButtons::groupObjectNames();
    for (std::size_t i = 0; i < headings.size(); ++i) {
        auto* group = new ButtonGroupFrame(QString::fromUtf8(headings[i]), area);
        group->setObjectName(QLatin1String(groupNames[i]));
        connect(group, &ButtonGroupFrame::entered, this, [this, group] { lightGroup(group); });
        connect(group, &ButtonGroupFrame::left, this, [this] { lightGroup(nullptr); });
        m_groups.append(group);
        grid->addWidget(group, int(i) / 3, int(i) % 3);
    }
    for (const MainWindowButton& entry : MainWindowButtons::list()) {
        ButtonGroupFrame* group = m_groups.at(entry.group);
        auto* button = new ColourButton(QString::fromUtf8(entry.caption), group);
        button->setObjectName(QLatin1String(entry.objectName));
        button->setFaceColour(ButtonFace);
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setProperty("target", QString::fromLatin1(entry.target));
        button->setEnabled(false);
        const QString target = QString::fromLatin1(entry.target);
        connect(button, &QPushButton::clicked, this,
                [this, target] { m_shell.launch(target, *this); });
        m_buttons.append(button);
        if (QLatin1String(entry.objectName) == QLatin1String("SRColorButton29")) {
            auto* row = new QHBoxLayout;
            row->addWidget(button, 1);
            for (const char* name : {"CheckBox1", "CheckBox2"}) {
                auto* box = new QCheckBox(group);
                box->setObjectName(QLatin1String(name));
                box->setChecked(true);
                row->addWidget(box);
            }
            group->buttonLayout()->addLayout(row);
        } else {
            group->buttonLayout()->addWidget(button);
        }
    }
    return area;
}

QWidget* MainWindow::buildLedgerPanel()
{
    // A dark backing keeps both the pale in-balance colour and the red warning readable.
    auto* panel = new QFrame(m_body);
    panel->setObjectName(QStringLiteral("ledgerPanel"));
    panel->setStyleSheet(QStringLiteral("QFrame#ledgerPanel { background: rgb(32, 42, 82); "
                                        "border-radius: 6px; }"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(8, 6, 8, 6);
    m_ledgerLine = makeLabel(QStringLiteral("Label6"),
                             QString::fromLatin1(LedgerStatus::NoConnectionText), panel);
    setBold(m_ledgerLine, 1);
    m_ledgerLine->setWordWrap(true);
    m_warningLine =
        makeLabel(QStringLiteral("Label7"), QString::fromLatin1(LedgerStatus::WarningText), panel);
    setBold(m_warningLine);
    setTextColour(m_warningLine, QColor(255, 80, 80));
    m_warningLine->hide();
    m_logoMissing =
        makeLabel(QStringLiteral("Label17"), QStringLiteral("CONTRIBUUTLOGO NIET GEVONDEN"), panel);
    setBold(m_logoMissing);
    setTextColour(m_logoMissing, QColor(255, 80, 80));
    m_logoMissing->hide();
    m_logoHint = makeLabel(QStringLiteral("Label24"),
                           QStringLiteral("laad via instellingen een logo"), panel);
    setTextColour(m_logoHint, QColor(190, 190, 190));
    m_logoHint->hide();
    for (QLabel* label : {m_ledgerLine, m_warningLine, m_logoMissing, m_logoHint})
        column->addWidget(label);
    return panel;
}

QWidget* MainWindow::buildFeastDays()
{
    auto* box = new QFrame(m_body);
    box->setObjectName(QStringLiteral("feastDaysPanel"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    auto* heading =
        makeLabel(QStringLiteral("feastDaysHeading"), QStringLiteral("Bijzondere dagen"));
    setBold(heading);
    m_feastYear = makeLabel(QStringLiteral("Label15"), QString());
    setBold(m_feastYear);
    grid->addWidget(heading, 0, 0);
    grid->addWidget(m_feastYear, 0, 1);
    const std::pair<const char*, const char*> rows[] = {
        {"Goedevrijdag :", "Label23"},   {"1e paasdag :", "Label18"},
        {"2e paasdag :", "Label19"},     {"Hemelvaartdag :", "Label22"},
        {"1e pinksterdag :", "Label20"}, {"2e pinksterdag :", "Label21"}};
    int row = 1;
    for (const auto& [caption, name] : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
        QLabel* date = makeLabel(QLatin1String(name), QString());
        m_feastDates.append(date);
        grid->addWidget(date, row++, 1);
    }
    return box;
}

QWidget* MainWindow::buildReportYear()
{
    auto* panel = new QWidget(m_body);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(makeLabel(QStringLiteral("reportYearCaption"),
                             QStringLiteral("Jaar tbv balans en\nwinst verlies prints")));
    m_reportYear = new QLineEdit(panel);
    m_reportYear->setObjectName(QStringLiteral("Edit1"));
    m_reportYear->setMaxLength(4);
    m_reportYear->setFixedWidth(60);
    connect(m_reportYear, &QLineEdit::textChanged, this,
            [](const QString& text) { AppState::ReportYear = text; });
    row->addWidget(m_reportYear);
    row->addStretch();
    return panel;
}

QWidget* MainWindow::buildAdministrationChoice()
{
    auto* group = new QGroupBox(QStringLiteral("Andere administratie"), m_body);
    group->setObjectName(QStringLiteral("administrationRadioGroup"));
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    m_administrationGroup = new QButtonGroup(group);
    const auto names = ColourSchemeRecord::defaultNames();
    for (int i = 0; i < ColourSchemeRecord::Administrations; ++i) {
        auto* option = new QRadioButton(names[i], group);
        option->setObjectName(QStringLiteral("administrationOption%1").arg(i));
        m_administrationGroup->addButton(option, i);
        m_administrationOptions.append(option);
        column->addWidget(option);
    }
    m_administrationOptions.first()->setChecked(true);
    m_chooseButton = new ColourButton(QStringLiteral("Kies"), group);
    m_chooseButton->setObjectName(QStringLiteral("chooseAdministrationButton"));
    m_chooseButton->setFaceColour(ButtonFace);
    connect(m_chooseButton, &QPushButton::clicked, this, &MainWindow::chooseAdministration);
    column->addWidget(m_chooseButton);
    return group;
}

QWidget* MainWindow::buildStatusBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    m_workingDirectory = makeLabel(QStringLiteral("workingDirectoryLabel"), QString(), bar);
    m_lastNumber = makeLabel(QStringLiteral("lastNumberLabel"), QString(), bar);
    row->addWidget(
        makeLabel(QStringLiteral("workingDirectoryCaption"), QStringLiteral("  Werkmap:"), bar));
    row->addWidget(m_workingDirectory, 1);
    row->addWidget(makeLabel(QStringLiteral("lastNumberCaption"),
                             QStringLiteral("Laatste boekstuknummer:"), bar));
    row->addWidget(m_lastNumber);
    row->addSpacing(20);
    row->addWidget(makeLabel(QStringLiteral("versionLabel"), QStringLiteral("Versie 1.6,8"), bar));
    return bar;
}

void MainWindow::buildLogo(QWidget* owner)
{
    m_logo = makeLabel(QStringLiteral("Image9"), QString(), owner);
    m_logo->setScaledContents(true);
    m_logo->installEventFilter(this);
    m_logo->hide();
}

void MainWindow::prepareFirstStart()
{
    if (const SettingsResult read = m_shell.settings().readLocation(); !read)
        MessageBox::error(this, read.error);
    AmountFormat::setDutchAmounts(false);
    AppState::DataChanged = 0;
    showFeastDays(QDate::currentDate().year());
}

void MainWindow::showFeastDays(int year)
{
    m_feastDays = ComputeFeastDays(year);
    m_feastYear->setText(QString::number(year));
    const QDate dates[] = {m_feastDays.goodFriday,   m_feastDays.easterSunday,
                           m_feastDays.easterMonday, m_feastDays.ascensionDay,
                           m_feastDays.whitSunday,   m_feastDays.whitMonday};
    for (int i = 0; i < m_feastDates.size(); ++i)
        m_feastDates[i]->setText(dates[i].toString(QStringLiteral("dd-MM-yyyy")));
}

void MainWindow::refreshButtons()
{
    for (ColourButton* button : std::as_const(m_buttons))
        button->setEnabled(m_shell.canLaunch(button->property("target").toString()));
}

void MainWindow::onShow()
{
    refreshButtons();
    runShowSequence();
}

void MainWindow::onClose()
{
    m_shell.shutdown();
}

void MainWindow::runShowSequence()
{
    if (AppState::SecondInstance) {
        closePage();
        return;
    }
    {
        Shell::QuietTableErrors quiet(m_shell);
        m_outcome = m_session->runShowSequence(administrationNames(), true);
    }
    showOutcome(m_outcome);
    if (!m_outcome.ok())
        MessageBox::error(this, m_outcome.error);
}

void MainWindow::showOutcome(const ShowSequenceOutcome& outcome)
{
    if (!outcome.tablesOpen) {
        showNoConnection();
        return;
    }
    setChosenAdministration(outcome.administration);
    showStatusBar(outcome);
    if (!outcome.associationName.isEmpty())
        setCaption(QStringLiteral("Administratie van ") + outcome.associationName);
    if (!outcome.administrationNames.isEmpty()) {
        showAdministrationNames(outcome.administrationNames);
        AdministrationColour::apply(
            m_shell, AdministrationColour::fromWindowsColour(outcome.administrationColour));
    }
    if (!outcome.logoFile.isEmpty())
        loadLogo(outcome.logoFile);
    if (!outcome.ledger.text.isEmpty())
        showLedgerStatus(outcome.ledger);
}

void MainWindow::showStatusBar(const ShowSequenceOutcome& outcome)
{
    m_workingDirectory->setText(outcome.dataDirectory);
    m_lastNumber->setText(QString::number(outcome.journalLineCount));
}

void MainWindow::showLedgerStatus(const LedgerStatus& status)
{
    m_ledgerLine->setText(status.text);
    setTextColour(m_ledgerLine, AdministrationColour::fromWindowsColour(status.colour));
    m_warningLine->setVisible(!status.inBalance);
}

void MainWindow::showNoConnection()
{
    m_ledgerLine->setText(QString::fromLatin1(LedgerStatus::NoConnectionText));
    setTextColour(m_ledgerLine, Qt::white);
    m_warningLine->hide();
}

void MainWindow::showAdministrationNames(const QStringList& names)
{
    for (int i = 0; i < m_administrationOptions.size() && i < names.size(); ++i)
        m_administrationOptions[i]->setText(names.at(i));
    publishNamesToSettingsWindow(names);
}

void MainWindow::publishNamesToSettingsWindow(const QStringList& names)
{
    QObject* settingsWindow = m_shell.object(QStringLiteral("TForm21"));
    if (!settingsWindow)
        return;
    for (int i = 0; i < names.size(); ++i) {
        if (auto* box = settingsWindow->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(6 + i)))
            box->setText(names.at(i));
    }
}

void MainWindow::loadLogo(const QString& logoFile)
{
    QPixmap picture;
    const bool loaded = picture.load(logoFile);
    m_logoMissing->setVisible(!loaded);
    m_logoHint->setVisible(!loaded);
    m_logo->setPixmap(picture);
    m_shell.settings().fitLogo(loaded ? picture.size() : QSize(0, 0));
    placeLogo();
}

void MainWindow::placeLogo()
{
    const Settings& settings = m_shell.settings();
    const int left = int(std::nearbyint(LogoCentreX - settings.LogoWidth() / 2.0));
    m_logo->setGeometry(left, TopBarHeight + 10, settings.LogoWidth(), settings.LogoHeight());
    m_logo->raise();
}

void MainWindow::toggleLogo()
{
    m_logo->setVisible(!m_logo->isVisible());
    if (m_logo->isVisible())
        m_logo->raise();
}

void MainWindow::toggleLogoTransparency()
{
    m_logoTransparent = !m_logoTransparent;
    QPalette palette = m_logo->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_logo->setPalette(palette);
    m_logo->setAutoFillBackground(!m_logoTransparent);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_logoButton && event->type() == QEvent::MouseButtonPress) {
        toggleLogo();
        return true;
    }
    if (watched == m_logo && event->type() == QEvent::MouseButtonDblClick) {
        toggleLogoTransparency();
        return true;
    }
    return Page::eventFilter(watched, event);
}

int MainWindow::chosenAdministration() const
{
    const int id = m_administrationGroup->checkedId();
    return id < 0 ? 0 : id;
}

void MainWindow::setChosenAdministration(int administration)
{
    if (QAbstractButton* option = m_administrationGroup->button(administration))
        option->setChecked(true);
}

QStringList MainWindow::administrationNames() const
{
    QStringList names;
    for (const QRadioButton* option : m_administrationOptions)
        names.append(option->text());
    return names;
}

void MainWindow::lightGroup(ButtonGroupFrame* lit)
{
    for (ButtonGroupFrame* group : std::as_const(m_groups))
        group->setLit(group == lit);
}

bool MainWindow::declineBackupOffer()
{
    if (AppState::DataChanged != 1)
        return true;
    if (MessageBox::question(this, QString::fromUtf8(BackupQuestion),
                             QString::fromLatin1(BackupQuestionTitle))) {
        openBackup();
        return false;
    }
    AppState::DataChanged = 0;
    return true;
}

void MainWindow::openBackup()
{
    const QString backup = QString::fromLatin1(BackupWindow);
    if (m_shell.canLaunch(backup)) {
        m_shell.launch(backup, *this);
        return;
    }
    MessageBox::information(
        this, QStringLiteral("Het backupvenster is in deze versie nog niet beschikbaar; maak "
                             "eerst een kopie van de map %1 voordat u verdergaat.")
                  .arg(m_shell.settings().DataDirectory()));
}

void MainWindow::chooseAdministration()
{
    if (!declineBackupOffer())
        return;
    m_chooseButton->setCursor(Qt::WaitCursor);
    ShowSequenceOutcome outcome;
    {
        Shell::QuietTableErrors quiet(m_shell);
        outcome = m_session->switchAdministration(chosenAdministration(), administrationNames());
    }
    m_chooseButton->setCursor(Qt::PointingHandCursor);
    if (!outcome.administrationNames.isEmpty()) {
        showAdministrationNames(outcome.administrationNames);
        AdministrationColour::apply(
            m_shell, AdministrationColour::fromWindowsColour(outcome.administrationColour));
    }
    if (!outcome.logoFile.isEmpty())
        loadLogo(outcome.logoFile);
    m_workingDirectory->setText(outcome.dataDirectory);
    if (outcome.tablesOpen)
        m_lastNumber->setText(QString::number(outcome.lastJournalNumber));
    else
        showNoConnection();
    m_outcome = outcome;
    if (!outcome.ok())
        MessageBox::error(this, outcome.error);
}

void MainWindow::stopProgram()
{
    if (!declineBackupOffer())
        return;
    closePage();
}
