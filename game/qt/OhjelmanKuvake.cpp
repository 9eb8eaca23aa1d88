#include "qt/OhjelmanKuvake.h"

QIcon OhjelmanKuvake() {
    QIcon kuvake;
    for (const char* koko : {"16", "32", "48"})
        kuvake.addFile(QString(":/morvak/morvak%1.png").arg(koko));
    return kuvake;
}
