#include "support/LogCategories.h"

// Debug lines are off unless QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(lcApp, "mirvale.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDetection, "mirvale.detection", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUDisks, "mirvale.udisks2", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFileManager, "mirvale.filemanager", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRules, "mirvale.rules", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTargets, "mirvale.targets", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "mirvale.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "mirvale.platform", QtInfoMsg)
