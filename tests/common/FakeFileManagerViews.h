#pragma once

#include "platform/FileManagerViews.h"

#include <QList>
#include <QPair>

/// Records what it is asked to take off and answers with `outcome`.
class FakeFileManagerViews final : public FileManagerViews {
public:
    Outcome takeOff(const QString &program, const QStringList &folders) override
    {
        asked.append({ program, folders });
        return outcome;
    }

    QList<QPair<QString, QStringList>> asked;
    Outcome outcome { 1, {} };
};
