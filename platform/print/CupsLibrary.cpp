#include "platform/print/CupsLibrary.h"

#include <QLibrary>
#include <QString>

namespace prn {

namespace {

template <typename F>
bool resolve(QLibrary& lib, F& entry, const char* name)
{
    entry = reinterpret_cast<F>(lib.resolve(name));
    return entry != nullptr;
}

// The library is never unloaded: Qt's own print support shares it.
const CupsLibrary* open()
{
    static CupsLibrary api;
    QLibrary lib(QStringLiteral("cups"), 2);
    if (!lib.load())
        return nullptr;
    CupsLibrary& a = api;
    const bool all = resolve(lib, a.cupsGetNamedDest, "cupsGetNamedDest") && resolve(lib, a.cupsFreeDests, "cupsFreeDests")
        && resolve(lib, a.cupsGetOption, "cupsGetOption") && resolve(lib, a.cupsCopyDestInfo, "cupsCopyDestInfo")
        && resolve(lib, a.cupsFindDestSupported, "cupsFindDestSupported")
        && resolve(lib, a.cupsFreeDestInfo, "cupsFreeDestInfo") && resolve(lib, a.cupsDoRequest, "cupsDoRequest")
        && resolve(lib, a.cupsLastError, "cupsLastError") && resolve(lib, a.cupsLastErrorString, "cupsLastErrorString")
        && resolve(lib, a.httpAssembleURIf, "httpAssembleURIf") && resolve(lib, a.ippNewRequest, "ippNewRequest")
        && resolve(lib, a.ippAddString, "ippAddString") && resolve(lib, a.ippAddStrings, "ippAddStrings")
        && resolve(lib, a.ippFindAttribute, "ippFindAttribute") && resolve(lib, a.ippGetString, "ippGetString")
        && resolve(lib, a.ippGetValueTag, "ippGetValueTag") && resolve(lib, a.ippGetInteger, "ippGetInteger")
        && resolve(lib, a.ippGetRange, "ippGetRange") && resolve(lib, a.ippDelete, "ippDelete");
    return all ? &api : nullptr;
}

} // namespace

const CupsLibrary* cupsLibrary()
{
    static const CupsLibrary* const api = open(); // thread-safe first call
    return api;
}

QString cupsMissingText() { return QStringLiteral("印刷システム（CUPS）のライブラリを読み込めません。"); }

} // namespace prn
