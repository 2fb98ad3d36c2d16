#pragma once

#include <QString>
#include <QTextDocument>
#include <memory>

// What reading a rich-text file gives: always a document (possibly empty), and a Dutch
// message when the input was not RTF. Text that is not RTF is still loaded as plain text.
struct RtfReadResult
{
    std::unique_ptr<QTextDocument> document;
    QString error;                  // empty when the input was RTF
    bool loadedAsPlainText = false; // the input was text without RTF markup

    bool ok() const { return error.isEmpty(); }
};
