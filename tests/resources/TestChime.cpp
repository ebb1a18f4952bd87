// SPDX-License-Identifier: GPL-3.0-or-later
// The hourly chime: the WAV file decoded here by hand, measured, and its notes found again by
// their onsets and pitches against the note table it was made from.
#include "tools/chime/NoteTable.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <numbers>
#include <sstream>

namespace {

struct Pcm
{
    int sampleRate = 0;
    std::vector<double> samples; // -1 to 1
};

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<quint8>(bytes.at(at + i));
    }
    return value;
}

// Reads a mono 16-bit PCM WAV file, walking its chunks; none for anything else.
std::optional<Pcm> decodeWav(const QByteArray& file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    Pcm pcm;
    bool formatSeen = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = littleEndian(file, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > file.size()) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16 || littleEndian(file, body, 2) != 1 || littleEndian(file, body + 2, 2) != 1 ||
                littleEndian(file, body + 14, 2) != 16) {
                return std::nullopt; // not mono 16-bit integer PCM
            }
            pcm.sampleRate = static_cast<int>(littleEndian(file, body + 4, 4));
            formatSeen = true;
        } else if (id == "data" && formatSeen) {
            for (qsizetype i = 0; i + 1 < size; i += 2) {
                const auto sample = static_cast<qint16>(littleEndian(file, body + i, 2));
                pcm.samples.push_back(sample / 32768.0);
            }
            return pcm;
        }
        at = body + size + (size % 2); // chunks are padded to an even length
    }
    return std::nullopt;
}

// Root mean square of each hop-long frame.
std::vector<double> envelope(const std::vector<double>& samples, std::size_t hop)
{
    std::vector<double> frames;
    for (std::size_t start = 0; start + hop <= samples.size(); start += hop) {
        double energy = 0;
        for (std::size_t i = start; i < start + hop; ++i) {
            energy += samples[i] * samples[i];
        }
        frames.push_back(std::sqrt(energy / static_cast<double>(hop)));
    }
    return frames;
}

// Where the sound level jumps well above what it was a few frames before: a struck note.
std::vector<double> onsetSeconds(const Pcm& pcm)
{
    constexpr std::size_t hop = 64;
    const std::vector<double> level = envelope(pcm.samples, hop);
    const double loudest = *std::max_element(level.begin(), level.end());
    const double secondsPerFrame = static_cast<double>(hop) / pcm.sampleRate;
    const auto lookBack = static_cast<std::size_t>(std::lround(0.008 / secondsPerFrame));
    const auto holdOff = static_cast<std::size_t>(std::lround(0.05 / secondsPerFrame));

    std::vector<double> onsets;
    for (std::size_t i = lookBack; i < level.size(); ++i) {
        const double before = *std::min_element(level.begin() + static_cast<std::ptrdiff_t>(i - lookBack),
                                                level.begin() + static_cast<std::ptrdiff_t>(i));
        if (level[i] > 0.1 * loudest && level[i] > 4 * before + 1e-4) {
            onsets.push_back(static_cast<double>(i) * secondsPerFrame);
            i += holdOff;
        }
    }
    return onsets;
}

double power(const std::vector<double>& samples, std::size_t from, std::size_t to, double frequency, int rate)
{
    double re = 0;
    double im = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double phase = 2 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
        re += samples[i] * std::cos(phase);
        im += samples[i] * std::sin(phase);
    }
    return re * re + im * im;
}

// The semitone (MIDI number) with the most energy between `from` and `to`, over four octaves.
int strongestSemitone(const Pcm& pcm, std::size_t from, std::size_t to)
{
    int best = 0;
    double bestPower = -1;
    for (int midi = 48; midi <= 96; ++midi) {
        const double candidate = power(pcm.samples, from, to, NoteTables::frequency(midi), pcm.sampleRate);
        if (candidate > bestPower) {
            best = midi;
            bestPower = candidate;
        }
    }
    return best;
}

NoteTable noteTable()
{
    const auto parsed = NoteTables::load(QUINTAVAL_CHIME_NOTES);
    if (!parsed.table) {
        qFatal("%s", parsed.error.c_str());
    }
    return *parsed.table;
}

} // namespace

class TestChime final : public QObject
{
    Q_OBJECT

    Pcm m_chime;
    NoteTable m_table;

private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(QUINTAVAL_RESOURCE_DIR "/marseillaise.wav"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const auto pcm = decodeWav(file.readAll());
        QVERIFY2(pcm, "not a mono 16-bit PCM WAV file");
        m_chime = *pcm;
        m_table = noteTable();
    }

    void lengthAndLevel()
    {
        QCOMPARE(m_chime.sampleRate, 44100);
        const double seconds = static_cast<double>(m_chime.samples.size()) / m_chime.sampleRate;
        QVERIFY2(seconds >= 8 && seconds <= 12, qPrintable(QString::number(seconds)));

        double peak = 0;
        for (const double sample : m_chime.samples) {
            peak = std::max(peak, std::abs(sample));
        }
        const double peakDbfs = 20 * std::log10(peak);
        QVERIFY2(peakDbfs > -3.5 && peakDbfs < -2.5, qPrintable(QString::number(peakDbfs)));
        QVERIFY2(peak < 32767.0 / 32768.0, "samples reach full scale: clipped");

        // It starts and ends in silence, so neither the first nor the last sample clicks.
        for (const std::size_t i : {std::size_t{0}, m_chime.samples.size() - 1}) {
            QVERIFY2(std::abs(m_chime.samples[i]) < 0.001, qPrintable(QString::number(i)));
        }
    }

    void notesStartWhenTheTableSays()
    {
        const std::vector<double> onsets = onsetSeconds(m_chime);
        QCOMPARE(onsets.size(), m_table.notes.size());
        QVERIFY2(onsets.front() < 0.1, "the chime should start at once");
        for (std::size_t i = 0; i < onsets.size(); ++i) {
            const double expected = onsets.front() + m_table.onsetSeconds(i);
            QVERIFY2(std::abs(onsets[i] - expected) < 0.015,
                     qPrintable(QStringLiteral("note %1 (%2) at %3 s, expected %4 s")
                                    .arg(i + 1)
                                    .arg(QString::fromStdString(m_table.notes[i].syllable))
                                    .arg(onsets[i])
                                    .arg(expected)));
        }
    }

    void notesHaveTheirPitches()
    {
        const std::vector<double> onsets = onsetSeconds(m_chime);
        QCOMPARE(onsets.size(), m_table.notes.size());
        const double rate = m_chime.sampleRate;
        for (std::size_t i = 0; i < onsets.size(); ++i) {
            const double length = m_table.notes[i].beats * m_table.secondsPerBeat();
            const auto from = static_cast<std::size_t>((onsets[i] + 0.01) * rate);
            const auto to = static_cast<std::size_t>((onsets[i] + std::min(length - 0.05, 0.3)) * rate);
            QCOMPARE(strongestSemitone(m_chime, from, to), m_table.notes[i].midiNumber);
        }
    }

    void pitchNames_data()
    {
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("midi");
        QTest::newRow("middle C") << "C4" << 60;
        QTest::newRow("concert A") << "A4" << 69;
        QTest::newRow("flat") << "Bb4" << 70;
        QTest::newRow("flat across the octave") << "Cb4" << 59;
        QTest::newRow("sharp") << "F#3" << 54;
        QTest::newRow("sharp across the octave") << "B#3" << 60;
        QTest::newRow("no octave") << "C" << -1;
        QTest::newRow("no such letter") << "H4" << -1;
        QTest::newRow("lower-case letter") << "c4" << -1;
        QTest::newRow("double flat") << "Bbb4" << -1;
        QTest::newRow("octave out of range") << "C10" << -1;
        QTest::newRow("trailing text") << "C4x" << -1;
    }

    void pitchNames()
    {
        QFETCH(QString, pitch);
        QFETCH(int, midi);
        QCOMPARE(NoteTables::midiNumber(pitch.toStdString()).value_or(-1), midi);
    }

    // A slip in the table must stop the build, not drop or mistune a note of the melody.
    void badTablesAreRejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("note without length") << "tempo 90\nF4\n"
                                             << "line 2";
        QTest::newRow("unknown pitch") << "tempo 90\nF4 1\nH4 1\n"
                                       << "line 3";
        QTest::newRow("negative length") << "tempo 90\nF4 -1\n"
                                         << "line 2";
        QTest::newRow("length not a number") << "tempo 90\nF4 one\n"
                                             << "line 2";
        QTest::newRow("zero tempo") << "tempo 0\nF4 1\n"
                                    << "line 1";
        QTest::newRow("no tempo") << "F4 1\n"
                                  << "no tempo";
        QTest::newRow("no notes") << "tempo 90\n# only a comment\n"
                                  << "no notes";
    }

    void badTablesAreRejected()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        std::istringstream input(text.toStdString());
        const auto parsed = NoteTables::parse(input);
        QVERIFY(!parsed.table);
        QVERIFY2(QString::fromStdString(parsed.error).startsWith(error), parsed.error.c_str());
    }

    void tableTiming()
    {
        std::istringstream input("# a comment\ntempo 120\nring 0.5\nF#4 0.5 la  # sharp, then a comment\n"
                                 "A4 1.5\nC5 1 do\n");
        const auto parsed = NoteTables::parse(input);
        QVERIFY2(parsed.table, parsed.error.c_str());
        const NoteTable& table = *parsed.table;
        QCOMPARE(table.notes.size(), std::size_t{3});
        QCOMPARE(table.notes[0].midiNumber, 66);
        QCOMPARE(table.notes[0].syllable, std::string("la"));
        QCOMPARE(table.onsetSeconds(1), 0.25);
        QCOMPARE(table.onsetSeconds(2), 1.0);
        QCOMPARE(table.durationSeconds(), 2.0);
    }
};

QTEST_GUILESS_MAIN(TestChime)
#include "TestChime.moc"
