#pragma once

#include <QCoreApplication>
#include <QTranslator>

/// A catalogue that "translates" every text into «text» while installed, so that a test
/// tells the shown form of a text from its English one.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char *, const char *source, const char * = nullptr, int = -1) const override
    {
        return QStringLiteral("«") + QString::fromUtf8(source) + QStringLiteral("»");
    }
    bool isEmpty() const override { return false; }
};
