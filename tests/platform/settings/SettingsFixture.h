#pragma once
// A temporary home for settings tests: the XDG folders point into a fresh temporary folder for
// the duration of one test and are restored afterwards.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_DIRS", "HOME"}) {
            const char *old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        SetEnv("HOME", Path("home"));
        SetEnv("XDG_CONFIG_HOME", Path("config"));
        SetEnv("XDG_DATA_HOME", Path("data"));
        SetEnv("XDG_DOCUMENTS_DIR", Path("documents"));
        SetEnv("XDG_CONFIG_DIRS", Path("common") + ":/etc/xdg");
    }
    void TearDown() override
    {
        for (const auto &[name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    QString Path(const QString &relative) const { return dir_.path() + u'/' + relative; }
    static void SetEnv(const char *name, const QString &value) { setenv(name, value.toUtf8().constData(), 1); }
    static QByteArray Bytes(const QString &fileName)
    {
        QFile f(fileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void WriteBytes(const QString &fileName, const QByteArray &bytes)
    {
        QFile f(fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private:
    QTemporaryDir dir_;
    std::map<std::string, std::optional<std::string>> saved_;
};
