#include "preview/PreviewHost.h"

#include "platform/run/RunState.h"

namespace preview {

app::StoreResult PreviewHost::registerSize(const app::RegisteredSize& size) { return app::store().addSize(size); }

PreviewHost& previewHost() { return run::installedPort<PreviewHost>(); }

void setPreviewHost(PreviewHost* host) { run::installPort(host); }

} // namespace preview
