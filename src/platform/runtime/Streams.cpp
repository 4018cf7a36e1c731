#include "platform/runtime/Streams.h"

#include "platform/os/AtomicFile.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

T_IMPLEMENT_CLASS(TStream) {}
T_IMPLEMENT_CLASS(TCustomMemoryStream) {}
T_IMPLEMENT_CLASS(TMemoryStream) {}
T_IMPLEMENT_CLASS(TFileStream) {}

std::int64_t TStream::Size()
{
    std::int64_t pos = Seek(0, soCurrent);
    std::int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) {}

void TStream::ReadBuffer(void *buffer, std::int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void *buffer, std::int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(QStringLiteral("Stream write error"));
}

std::int64_t TStream::CopyFrom(TStream *source, std::int64_t count)
{
    if (count == 0) {
        source->SetPosition(0);
        count = source->Size();
    }
    std::int64_t result = count;
    char buffer[65536];
    while (count > 0) {
        std::int64_t n = std::min<std::int64_t>(count, sizeof buffer);
        source->ReadBuffer(buffer, n);
        WriteBuffer(buffer, n);
        count -= n;
    }
    return result;
}

QByteArray TStream::ReadBytes(std::int64_t count)
{
    QByteArray bytes(static_cast<qsizetype>(std::max<std::int64_t>(count, 0)), '\0');
    std::int64_t n = Read(bytes.data(), count);
    bytes.resize(static_cast<qsizetype>(std::max<std::int64_t>(n, 0)));
    return bytes;
}

// ---- memory -------------------------------------------------------------------------------------

std::int64_t TCustomMemoryStream::Read(void *buffer, std::int64_t count)
{
    if (position_ < 0 || count <= 0)
        return 0;
    std::int64_t n = std::min<std::int64_t>(count, data_.size() - position_);
    if (n <= 0)
        return 0;
    std::memcpy(buffer, data_.constData() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case soBeginning: position_ = offset; break;
    case soCurrent: position_ += offset; break;
    case soEnd: position_ = data_.size() + offset; break;
    }
    return position_;
}

void TCustomMemoryStream::SaveToStream(TStream *stream)
{
    stream->WriteBuffer(data_.constData(), data_.size());
}

void TCustomMemoryStream::SaveToFile(const QString &fileName)
{
    SaveBytesToFile(fileName, data_.constData(), data_.size());
}

std::int64_t TMemoryStream::Write(const void *buffer, std::int64_t count)
{
    if (position_ < 0 || count <= 0)
        return 0;
    std::int64_t end = position_ + count;
    if (end > data_.size())
        data_.resize(static_cast<qsizetype>(end), '\0');
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

void TMemoryStream::SetSize(std::int64_t newSize)
{
    data_.resize(static_cast<qsizetype>(std::max<std::int64_t>(newSize, 0)), '\0');
    if (position_ > newSize)
        position_ = newSize;
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream *stream)
{
    stream->SetPosition(0);
    std::int64_t size = stream->Size();
    data_.resize(static_cast<qsizetype>(size));
    stream->ReadBuffer(data_.data(), size);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const QString &fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

// ---- files --------------------------------------------------------------------------------------

TFileStream::TFileStream(const QString &fileName, std::uint16_t mode) : fileName_(fileName)
{
    QByteArray path = fileName.toUtf8();
    if ((mode & 0xFF00) == fmCreate) {
        fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    int flags = O_CLOEXEC;
    switch (mode & 3) {
    case fmOpenWrite: flags |= O_WRONLY; break;
    case fmOpenReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY; break;
    }
    fd_ = ::open(path.constData(), flags);
    if (fd_ < 0)
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, QString::fromLocal8Bit(std::strerror(errno))));
}

void SaveBytesToFile(const QString &fileName, const void *data, std::int64_t size)
{
    std::string error;
    if (!os::WriteFileAtomic(fileName.toStdString(), data, static_cast<std::size_t>(std::max<std::int64_t>(size, 0)),
                             &error))
        throw EFCreateError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, QString::fromStdString(error)));
}

TFileStream::~TFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

// Repeats a read or write system call until `count` bytes moved, the end, or an error.
template <class Buffer, class Call>
std::int64_t Transfer(Buffer *buffer, std::int64_t count, Call call)
{
    std::int64_t total = 0;
    while (total < count) {
        ssize_t n = call(buffer + total, static_cast<std::size_t>(count - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}

}  // namespace

std::int64_t TFileStream::Read(void *buffer, std::int64_t count)
{
    return Transfer(static_cast<char *>(buffer), count, [this](char *p, std::size_t n) { return ::read(fd_, p, n); });
}

std::int64_t TFileStream::Write(const void *buffer, std::int64_t count)
{
    return Transfer(static_cast<const char *>(buffer), count,
                    [this](const char *p, std::size_t n) { return ::write(fd_, p, n); });
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, offset, whence);
}

void TFileStream::SetSize(std::int64_t newSize)
{
    if (::ftruncate(fd_, newSize) != 0)
        throw EStreamError(QStringLiteral("Stream write error"));
    if (Position() > newSize)
        SetPosition(newSize);
}
