// zanvik-asset-generator SET OUTPUT-FOLDER
// Draws one set of Zanvik's pictures: launcher, templates, samples or backgrounds.
#include "drawings.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s launcher|templates|samples|backgrounds OUTPUT-FOLDER\n",
                     argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }
    const char* set = argv[1];
    if (std::strcmp(set, "launcher") == 0) {
        zanvik::assets::drawLauncherSet(out);
    } else if (std::strcmp(set, "templates") == 0) {
        zanvik::assets::drawTemplateSet(out);
    } else if (std::strcmp(set, "samples") == 0) {
        zanvik::assets::drawSampleSet(out);
    } else if (std::strcmp(set, "backgrounds") == 0) {
        zanvik::assets::drawBackgroundSet(out);
    } else {
        std::fprintf(stderr, "unknown set %s\n", set);
        return 2;
    }
    return 0;
}
