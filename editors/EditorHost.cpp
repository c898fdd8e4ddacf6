#include "editors/EditorHost.h"

#include "platform/run/RunState.h"

namespace editors {

EditorHost& editorHost() { return run::installedPort<EditorHost>(); }

void setEditorHost(EditorHost* host) { run::installPort(host); }

} // namespace editors
