#include "app/startup.h"

#include "app/launcherpictures.h"
#include "app/mainwindow.h"
#include "app/outofmemorybox.h"
#include "app/processstate.h"
#include "foundation/values/outofmemory.h"
#include "foundation/windows/picturebytes.h"
#include "foundation/windows/windowlayer.h"

namespace zanvik {

int runZanvik(int& argc, char** argv) {
    WindowLayer layer(argc, argv);
    setOutOfMemoryReporter(&showOutOfMemoryBox);
    layer.setProgramIcon(readPictureBytes(programIcon));
    resetProcessState();
    addExitRoutine(&releaseProcessBuffers);
    loadWindow(mainWindowDefinition(), Modality::Modeless);
    return runMessageLoop();
}

} // namespace zanvik
