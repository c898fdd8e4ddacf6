// Runs a command-line tool (pdfinfo, pdftotext, pdftoppm ...) and returns
// what it wrote to standard output; empty when it cannot run or hangs.
#pragma once

#include <QString>
#include <QStringList>

QString runTool(const QStringList& args);
