// For tests only: a current printer over a backend of the test's own.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <memory>

namespace prn {

// Makes a printer over `backend` the run's current printer.
void setCurrentBackend(std::unique_ptr<PrinterBackend> backend);

} // namespace prn
