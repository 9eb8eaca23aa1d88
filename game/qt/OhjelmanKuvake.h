#pragma once

#include <QIcon>

// The program's icon in the sizes window systems ask for.
QIcon OhjelmanKuvake();
