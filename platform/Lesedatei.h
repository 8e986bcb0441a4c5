#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// A file opened for reading that is known to be a regular file. It is opened
// without blocking and only after a look at its type, so that a FIFO or a
// device under a game file's name cannot stop the program: such files count
// as not openable. Plain system calls and no shared state: usable on any thread.
class Lesedatei {
public:
    Lesedatei() = default;
    // Not offen() when pfad is missing, unreadable or no regular file.
    explicit Lesedatei(const QString& pfad);
    ~Lesedatei();
    Lesedatei(Lesedatei&& andere) noexcept;
    Lesedatei& operator=(Lesedatei&& andere) noexcept;
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;

    bool offen() const { return fd_ >= 0; }
    // The size when it was opened. offen().
    qint64 groesse() const { return groesse_; }

    enum class Lesen { Gelesen, ZuGross, Fehler };
    // Reads the rest of the file in pieces, so that nothing larger than the
    // file is ever reserved; ZuGross as soon as it would exceed grenze bytes
    // (without reading when the size already says so). offen().
    Lesen liesAlles(QByteArray& inhalt, qint64 grenze);

    // Hands the file over as a stdio stream that the caller closes; not
    // offen() afterwards. Null when no stream can be made (the file is closed).
    std::FILE* alsStream();

private:
    void schliesse();

    int fd_ = -1;
    qint64 groesse_ = 0;
};
