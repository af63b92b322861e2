#pragma once

#include <QByteArray>

/// One size of the tray icon as status-notifier hosts take it: ARGB32 in network byte order.
struct TrayIconImage {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
