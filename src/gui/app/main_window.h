#pragma once

#include "core/app/show_sequence_outcome.h"
#include "core/feast_days.h"
#include "gui/app/page.h"

#include <QList>

class AdministrationSession;
class ButtonGroupFrame;
class ColourButton;
class GradientPanel;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class Shell;

// The program's hub: opens the current administration's tables each time it is shown,
// shows whether the ledger is in balance, the feast days and the association's logo,
// switches between the five administrations and opens every other window.
class MainWindow : public Page
{
    Q_OBJECT
public:
    static constexpr const char* BackupQuestion =
        "Gegevens in financiële administratie zijn gewijzigd, backup maken?";
    static constexpr const char* BackupQuestionTitle = "Bevestiging";
    static constexpr const char* HelpHeading = "a.1 Doel van het programma";
    static constexpr const char* BackupWindow = "TForm17";

    explicit MainWindow(Shell& shell);
    ~MainWindow() override;

    QString helpHeading() const override { return QString::fromUtf8(HelpHeading); }

    // The rest of the creation handler, run once the single-instance guard let this copy
    // start: location settings, number format, DataChanged, feast days.
    void prepareFirstStart();
    // Enables the buttons whose window or report exists.
    void refreshButtons();

    // "Kies": switches to the administration chosen in the radio group.
    void chooseAdministration();
    // " Stop programma".
    void stopProgram();
    // The show sequence, as every time the window becomes visible.
    void runShowSequence();

    int chosenAdministration() const;
    void setChosenAdministration(int administration);
    QStringList administrationNames() const;
    const FeastDays& feastDays() const { return m_feastDays; }
    const ShowSequenceOutcome& lastOutcome() const { return m_outcome; }
    void showFeastDays(int year);

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopBar();
    QWidget* buildBody();
    QWidget* buildButtonGroups();
    QWidget* buildLedgerPanel();
    QWidget* buildFeastDays();
    QWidget* buildReportYear();
    QWidget* buildAdministrationChoice();
    QWidget* buildStatusBar();
    void buildLogo(QWidget* body);

    // True when the caller may go on; false when the user chose a backup.
    bool declineBackupOffer();
    void openBackup();
    void lightGroup(ButtonGroupFrame* group);
    void showOutcome(const ShowSequenceOutcome& outcome);
    void showStatusBar(const ShowSequenceOutcome& outcome);
    void showLedgerStatus(const LedgerStatus& status);
    void showNoConnection();
    void showAdministrationNames(const QStringList& names);
    void publishNamesToSettingsWindow(const QStringList& names);
    void loadLogo(const QString& logoFile);
    void placeLogo();
    void toggleLogo();
    void toggleLogoTransparency();

    Shell& m_shell;
    std::unique_ptr<AdministrationSession> m_session;
    ShowSequenceOutcome m_outcome;
    FeastDays m_feastDays;

    GradientPanel* m_topBar = nullptr;
    GradientPanel* m_body = nullptr;
    QList<ButtonGroupFrame*> m_groups;
    QList<ColourButton*> m_buttons;
    QLabel* m_ledgerLine = nullptr;
    QLabel* m_warningLine = nullptr;
    QLabel* m_feastYear = nullptr;
    QList<QLabel*> m_feastDates;
    QLineEdit* m_reportYear = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_logoButton = nullptr;
    QLabel* m_logoMissing = nullptr;
    QLabel* m_logoHint = nullptr;
    bool m_logoTransparent = true;
    QList<QRadioButton*> m_administrationOptions;
    QButtonGroup* m_administrationGroup = nullptr;
    ColourButton* m_chooseButton = nullptr;
    QLabel* m_workingDirectory = nullptr;
    QLabel* m_lastNumber = nullptr;
};
