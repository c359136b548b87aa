#pragma once

#include <memory>
#include <string>

#include "core/AppServices.h"

class QWidget;

// The services of the running program: Qt's clock, message boxes and file dialog.
std::shared_ptr<AppServices> MakeQtServices();

// The open-file dialog for the database: full path of the chosen file, or empty when cancelled.
std::string LocateDb(QWidget* owner);
