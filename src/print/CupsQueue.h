#pragma once

#include "print/PrinterService.h"

#include <QString>

#include <optional>

namespace cellvex {

// What a spooled job asks the queue for besides the document itself.
struct SpoolOptions
{
    QString media; // the queue's name of the paper, e.g. "A4"
    bool landscape = false;
    int copies = 1;
};

// The parts of the local CUPS server that Qt does not expose: handing a
// finished document to a queue (so that a job can still be dropped before
// anything reaches the spooler) and the queue's own description.
class CupsQueue
{
public:
    // Sends the file to the queue; the job id, or 0 when the server refused
    // the job (`error` then says why).
    static int spoolFile(const QString &queue, const QString &path, const QString &title,
                         const SpoolOptions &options, QString *error = nullptr);

    // Driver (make and model), port (device URI) and description of a queue;
    // none when the server does not know it. "\\server\printer" names the
    // printer part, as a network printer is listed under its own name.
    static std::optional<PrinterDetails> details(const QString &printer);
};

} // namespace cellvex
