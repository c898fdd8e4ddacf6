// libcups, opened on first use instead of at program start: with what it
// pulls in (TLS, Kerberos, Avahi) it costs a start-up tens of milliseconds,
// and only printing and the printer list need it.
#pragma once

#include <QString>
#include <cups/cups.h>

namespace prn {

// The entry points this program calls, named as the library names them.
struct CupsLibrary {
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsFindDestSupported) cupsFindDestSupported = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStrings) ippAddStrings = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippGetValueTag) ippGetValueTag = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippGetRange) ippGetRange = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
};

// The library, opened once (from any thread: start-up opens it on a worker
// thread while the main window is built); nullptr when it cannot be
// opened or lacks one of the entry points.
const CupsLibrary* cupsLibrary();

// What to tell the user when cupsLibrary() is nullptr.
QString cupsMissingText();

} // namespace prn
