#include "model/MainHooks.h"

namespace app {

MainHooks& hooks()
{
    static MainHooks h;
    return h;
}

} // namespace app
