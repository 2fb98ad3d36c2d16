#include "core/app/administration_session.h"

#include "core/app/app_state.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/settings/settings.h"
#include "core/store/transaction.h"

#include <functional>

namespace {
std::array<QString, ColourSchemeRecord::Administrations> toNameArray(const QStringList& names)
{
    auto result = ColourSchemeRecord::defaultNames();
    for (int i = 0; i < ColourSchemeRecord::Administrations && i < names.size(); ++i)
        result[i] = names.at(i);
    return result;
}
} // namespace

AdministrationSession::AdministrationSession(Settings& settings, DataModule& data, Ledger& ledger)
    : m_settings(settings), m_data(data), m_ledger(ledger)
{
}

ShowSequenceOutcome AdministrationSession::runShowSequence(const QStringList& namesInMemory,
                                                           bool recomputeTotals)
{
    ShowSequenceOutcome outcome;
    if (const SettingsResult read = m_settings.readLocation(); !read) {
        outcome.error = read.error;
        return outcome;
    }
    outcome.administration = m_settings.administration();
    outcome.dataDirectory = m_settings.DataDirectory();
    m_data.SelectAdministration(m_settings.location().DriveText, outcome.administration);
    // Unlike OpenAllTables of a switch, showing the window keeps DataChanged as it is.
    if (QString error = openTables(outcome); !error.isEmpty()) {
        outcome.error = error;
        return outcome;
    }
    const std::function<QString()> steps[] = {
        [&] { return m_settings.readMemberCaptions().error; },
        [&] { return readColourScheme(namesInMemory, outcome); },
        [&] { return m_settings.readMailAndLogo().error; },
        [&] { return m_settings.readLogoName().error; },
        [&] { return m_settings.readOptions(true).error; },
    };
    for (const auto& step : steps) {
        if (QString error = step(); !error.isEmpty()) {
            outcome.error = error;
            return outcome;
        }
    }
    describeData(outcome);
    outcome.error = checkLedger(outcome);
    if (outcome.ok() && recomputeTotals)
        outcome.error = this->recomputeTotals();
    return outcome;
}

ShowSequenceOutcome AdministrationSession::switchAdministration(int administration,
                                                                const QStringList& namesInMemory)
{
    ShowSequenceOutcome outcome;
    m_data.CloseAllTables();
    m_settings.setAdministration(administration);
    m_data.SelectAdministration(m_settings.location().DriveText, administration);
    outcome.administration = administration;
    outcome.dataDirectory = m_settings.DataDirectory();
    if (QString error = ReloadConfiguration(namesInMemory, outcome); !error.isEmpty()) {
        outcome.error = error;
        return outcome;
    }
    if (QString error = OpenAllTables(outcome); !error.isEmpty()) {
        outcome.error = error;
        return outcome;
    }
    if (const SettingsResult written = m_settings.writeLocation(); !written) {
        outcome.error = written.error;
        return outcome;
    }
    outcome.error = m_settings.readLocation().error;
    return outcome;
}

QString AdministrationSession::ReloadConfiguration(const QStringList& namesInMemory,
                                                   ShowSequenceOutcome& outcome)
{
    if (const SettingsResult read = m_settings.readMemberCaptions(); !read)
        return read.error;
    if (QString error = readColourScheme(namesInMemory, outcome); !error.isEmpty())
        return error;
    // The names the user sees stay the names of record, whatever the file held.
    if (!namesInMemory.isEmpty()) {
        m_settings.colourScheme().Names = toNameArray(namesInMemory);
        if (const SettingsResult written = m_settings.writeColourScheme(); !written)
            return written.error;
        outcome.administrationNames = namesInMemory;
    }
    for (const SettingsResult& read :
         {m_settings.readMailAndLogo(), m_settings.readLogoName(), m_settings.readOptions(false)}) {
        if (!read)
            return read.error;
    }
    describeData(outcome);
    return {};
}

QString AdministrationSession::OpenAllTables(ShowSequenceOutcome& outcome)
{
    const QString error = openTables(outcome);
    if (error.isEmpty())
        AppState::DataChanged = 0;
    return error;
}

QString AdministrationSession::openTables(ShowSequenceOutcome& outcome)
{
    const QString error = m_data.OpenAllTables();
    outcome.tablesOpen = error.isEmpty();
    if (outcome.tablesOpen)
        readJournalPosition(outcome);
    return error;
}

QString AdministrationSession::readColourScheme(const QStringList& namesInMemory,
                                                ShowSequenceOutcome& outcome)
{
    const auto namesWhenCreated =
        namesInMemory.isEmpty() ? ColourSchemeRecord::defaultNames() : toNameArray(namesInMemory);
    if (const SettingsResult read = m_settings.readColourScheme(namesWhenCreated); !read)
        return read.error;
    const ColourSchemeRecord& scheme = m_settings.colourScheme();
    outcome.administrationNames.clear();
    for (const QString& name : scheme.Names)
        outcome.administrationNames.append(name);
    outcome.administrationColour = ColourSchemeRecord::isAdministration(outcome.administration)
                                       ? scheme.Colours[outcome.administration]
                                       : ColourSchemeRecord::DefaultColour;
    return {};
}

void AdministrationSession::readJournalPosition(ShowSequenceOutcome& outcome)
{
    Table& journal = m_data.journaaltabel;
    journal.last();
    outcome.journalLineCount = journal.recordCount();
    outcome.lastJournalNumber =
        journal.recordCount() > 0 ? qRound(journal.asFloat(QStringLiteral("JrNr"))) : 0;
}

QString AdministrationSession::checkLedger(ShowSequenceOutcome& outcome)
{
    if (!m_ledger.ComputeLedgerTotals())
        return m_ledger.lastError();
    outcome.ledger = LedgerStatus::fromTotal(m_ledger.LedgerTotal);
    return {};
}

QString AdministrationSession::recomputeTotals()
{
    // One transaction for all eighteen totals: one sync to disk instead of eighteen.
    Transaction transaction(m_data.Database1);
    if (!m_ledger.RecomputeAllTotals(m_settings.options().CombinedGroup440))
        return m_ledger.lastError();
    if (!transaction.commit())
        return transaction.error();
    return {};
}

void AdministrationSession::describeData(ShowSequenceOutcome& outcome) const
{
    outcome.dataDirectory = m_settings.DataDirectory();
    outcome.associationName = m_settings.AssociationName();
    outcome.logoFile = m_settings.LogoFile();
}
