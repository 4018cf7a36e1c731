#pragma once
// Small helpers the plot library's tests share.

#include "platform/runtime/Exception.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <functional>

// The message of the exception that Call raises; empty when it raises none.
inline QString MessageOf(const std::function<void()> &Call)
{
    try {
        Call();
    } catch (const Exception &e) {
        return e.Message();
    }
    return QString();
}

// Where renderings go when TROV_PLOTLIB_PNG_DIR names a folder (for looking at them).
inline void Keep(const QImage &image, const char *name)
{
    const QByteArray dir = qgetenv("TROV_PLOTLIB_PNG_DIR");
    if (!dir.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name) + ".png"), "PNG");
}
