#pragma once
// What the Quillet tests share.

#include "series8_rig.h"

#include "f1qwidget.h"
#include "quillet.h"
#include "setdialog.h"
