// For tests only: a driver of the test's own in place of the CUPS driver.
#pragma once

#include "platform/print/PrinterDriver.h"

#include <memory>

namespace prn {

// Replaces the driver; nullptr goes back to the CUPS driver.
void setPrinterDriver(std::unique_ptr<PrinterDriver> driver);

} // namespace prn
