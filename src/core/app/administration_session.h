#pragma once

#include "core/app/show_sequence_outcome.h"

#include <QStringList>

class DataModule;
class Ledger;
class Settings;

// The data side of the main window: opening the current administration with its settings
// files, checking the ledger, recomputing the group totals, and switching to another
// administration. Widget-free, so `fondirex --check` runs the very same steps.
class AdministrationSession
{
public:
    AdministrationSession(Settings& settings, DataModule& data, Ledger& ledger);

    // Rereads the settings, opens the tables (creating a missing administration), reads the
    // data directory's files, checks the ledger and, when `recomputeTotals`, recomputes
    // every total account. `namesInMemory` are written when the colour scheme file is
    // missing.
    ShowSequenceOutcome runShowSequence(const QStringList& namesInMemory, bool recomputeTotals);

    // Closes the tables, points location and database at administration n, rereads the
    // data directory's files, opens the tables again and stores the location.
    ShowSequenceOutcome switchAdministration(int administration, const QStringList& namesInMemory);

    // The settings files of the data directory after a switch or a drive change.
    QString ReloadConfiguration(const QStringList& namesInMemory, ShowSequenceOutcome& outcome);
    // Opens the tables of the selected administration and clears DataChanged.
    QString OpenAllTables(ShowSequenceOutcome& outcome);

private:
    QString openTables(ShowSequenceOutcome& outcome);
    QString readColourScheme(const QStringList& namesInMemory, ShowSequenceOutcome& outcome);
    void readJournalPosition(ShowSequenceOutcome& outcome);
    QString checkLedger(ShowSequenceOutcome& outcome);
    QString recomputeTotals();
    void describeData(ShowSequenceOutcome& outcome) const;

    Settings& m_settings;
    DataModule& m_data;
    Ledger& m_ledger;
};
