#pragma once

#include <QFile>
#include <QStringList>
#include <mutex>

// The record of every transfer the virtual mouse saw: "W" and the 33 bytes written, "R" and the
// 33 bytes read, or "R timeout"; bytes as two-digit lowercase hex separated by single spaces.
// Kept in memory and, when a file is set, written to it line by line.
// Names the trace file when no --trace option does; a file named so is appended to, so that a
// series of commands can share one.
constexpr const char* kSimTraceVariable = "MOUSECFG_SIM_TRACE";

class SimTrace final
{
public:
    SimTrace() = default;
    SimTrace(const SimTrace&) = delete;
    SimTrace& operator=(const SimTrace&) = delete;

    enum class Start {
        Fresh,  // the file starts empty
        Append, // the lines follow what the file holds
    };

    // False when the file cannot be opened for writing.
    bool setFile(const QString& path, Start start = Start::Append);

    void recordWrite(const quint8* data, int length);
    void recordRead(const quint8* data, int length);
    void recordTimeout();

    QStringList lines() const;
    int writes() const;
    int reads() const; // timeouts included
    int timeouts() const;
    void clear();

    static QString formatBytes(const quint8* data, int length);

private:
    void append(const QString& line);

    mutable std::mutex m_mutex;
    QStringList m_lines;
    QFile m_file;
};
