#include "core/app/check_command.h"

#include "core/app/administration_session.h"
#include "core/data/data_module.h"
#include "core/ledger/ledger.h"
#include "core/settings/settings.h"

#include <QTextStream>

int CheckCommand::run(Settings& settings, QTextStream& out, QTextStream& err)
{
    DataModule data;
    Ledger ledger(data);
    AdministrationSession session(settings, data, ledger);
    // A check only reads the books: the group totals are left as they are.
    const ShowSequenceOutcome outcome = session.runShowSequence({}, false);
    if (!outcome.ok()) {
        err << outcome.error << Qt::endl;
        return CannotOpen;
    }
    out << outcome.ledger.text << Qt::endl;
    return outcome.ledger.inBalance ? InBalance : OutOfBalance;
}
