#pragma once
// Byte streams of the framework: TStream (Read/Write/Seek, Position, Size, the raising
// ReadBuffer/WriteBuffer, CopyFrom), TMemoryStream (growable memory, file load and save) and
// TFileStream (a file opened with the framework's mode flags; share flags are accepted and ignored).

#include "platform/runtime/Classes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    T_DECLARE_CLASS(TStream, TObject)
    virtual std::int64_t Read(void *buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void *buffer, std::int64_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t pos) { Seek(pos, soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t newSize);

    // Exactly `count` bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void *buffer, std::int64_t count);
    void WriteBuffer(const void *buffer, std::int64_t count);
    // Copies `count` bytes from the source's position; 0 copies the whole source from its start.
    std::int64_t CopyFrom(TStream *source, std::int64_t count);

    QByteArray ReadBytes(std::int64_t count);  // up to count bytes
    void WriteBytes(const QByteArray &bytes) { WriteBuffer(bytes.constData(), bytes.size()); }
};

class TCustomMemoryStream : public TStream {
    T_DECLARE_CLASS(TCustomMemoryStream, TStream)
    std::int64_t Read(void *buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return data_.size(); }

    const char *Memory() const { return data_.constData(); }
    const QByteArray &Bytes() const { return data_; }
    void SaveToStream(TStream *stream);
    // Replaces the file whole or not at all (SaveBytesToFile).
    void SaveToFile(const QString &fileName);

protected:
    QByteArray data_;
    std::int64_t position_ = 0;
};

class TMemoryStream : public TCustomMemoryStream {
    T_DECLARE_CLASS(TMemoryStream, TCustomMemoryStream)
    TMemoryStream() = default;
    explicit TMemoryStream(const QByteArray &bytes) { data_ = bytes; }

    std::int64_t Write(const void *buffer, std::int64_t count) override;
    void SetSize(std::int64_t newSize) override;
    char *Memory() { return data_.data(); }
    void Clear();
    void LoadFromStream(TStream *stream);
    void LoadFromFile(const QString &fileName);
};

constexpr std::uint16_t fmCreate = 0xFF00;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

class TFileStream : public TStream {
    T_DECLARE_CLASS(TFileStream, TStream)
    // EFCreateError "Cannot create file "X". reason" or EFOpenError "Cannot open file "X". reason".
    TFileStream(const QString &fileName, std::uint16_t mode);
    ~TFileStream() override;

    std::int64_t Read(void *buffer, std::int64_t count) override;
    std::int64_t Write(const void *buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t newSize) override;
    const QString &FileName() const { return fileName_; }

private:
    QString fileName_;
    int fd_ = -1;
};

// Makes `size` bytes the whole new content of `fileName` through the atomic save
// (platform/os/AtomicFile.h): the file is wholly replaced or, on failure, left as it was.
// EFCreateError "Cannot create file "X". reason" when it cannot be written.
void SaveBytesToFile(const QString &fileName, const void *data, std::int64_t size);
