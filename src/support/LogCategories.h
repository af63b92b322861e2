#pragma once

#include <QLoggingCategory>

// One category per area, named as Qt names its own ("mirvale.detection"), so that
// QT_LOGGING_RULES='mirvale.detection.debug=true' turns on the debug lines of one area. Their
// lines reach Mirvale's log through Log::captureQtMessages().
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcDetection)
Q_DECLARE_LOGGING_CATEGORY(lcUDisks)
Q_DECLARE_LOGGING_CATEGORY(lcFileManager)
Q_DECLARE_LOGGING_CATEGORY(lcRules)
Q_DECLARE_LOGGING_CATEGORY(lcTargets)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
