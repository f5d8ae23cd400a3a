// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers

// Golden traces of the scenario tests. Every harness of a test records, step
// by step, what was spoken and played, printed and asked, which controls of
// the form changed and how the files in its folder changed. At the end the
// trace is compared with tests/golden/<Suite>.<Test>.txt; with
// QUOREL_GOLDEN_UPDATE=1 the file is written instead. See tests/golden/README.md.

#include "support/harness.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <optional>

namespace {

QString goldenPath(const testing::TestInfo &test)
{
    QString name = QString::fromUtf8(test.test_suite_name()) + QLatin1Char('.') + QString::fromUtf8(test.name());
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral(QUOREL_SOURCE_DIR "/tests/golden/") + name + QStringLiteral(".txt");
}

bool updating()
{
    return qgetenv("QUOREL_GOLDEN_UPDATE") == "1";
}

// The traces of the running test's harnesses, by creation number.
struct TestTraces {
    std::string test;
    QMap<int, QStringList> sections;
};
TestTraces &currentTraces(const testing::TestInfo &info)
{
    static TestTraces traces;
    const std::string id = std::string(info.test_suite_name()) + '.' + info.name();
    if (traces.test != id)
        traces = {id, {}};
    return traces;
}

// A file line as the trace shows it: very long lines are cut (the hash still
// tells every byte).
QString fileLine(const QString &line)
{
    constexpr qsizetype longest = 200;
    if (line.size() <= longest)
        return quotedText(line);
    return quotedText(line.left(longest)) + QStringLiteral("... (%1 characters)").arg(line.size());
}

// ---- Files ----------------------------------------------------------------

using Files = QMap<QString, QByteArray>;

Files readFiles(const QString &root)
{
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files[path.mid(root.size() + 1)] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

QString fileSummary(const QString &name, const QByteArray &bytes, const char *what)
{
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("file %1 %2 %3 bytes sha1 %4")
        .arg(name, QLatin1String(what))
        .arg(bytes.size())
        .arg(QString::fromLatin1(hash));
}

// Lines as the game writes them (CRLF); a lone CR or LF stays inside a line.
QStringList crlfLines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QByteArray &line : bytes.split('\n'))
        lines.append(QString::fromLatin1(line));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

// The index of the puzzle folder holds the folder's path and the files'
// times of change, which differ from run to run: only its coming and its
// changes are traced.
bool differsEveryRun(const QString &name)
{
    return name.endsWith(QLatin1String("/puzzle-index"));
}

// A new file lists its non-empty lines; a changed one the lines that differ.
QStringList fileChanges(const Files &before, const Files &after)
{
    QStringList out;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const bool known = before.contains(it.key());
        if (known && before[it.key()] == it.value())
            continue;
        if (differsEveryRun(it.key())) {
            out.append(QStringLiteral("file %1 %2").arg(it.key(), known ? QLatin1String("changed") : QLatin1String("new")));
            continue;
        }
        out.append(fileSummary(it.key(), it.value(), known ? "changed" : "new"));
        const QStringList now = crlfLines(it.value());
        const QStringList was = known ? crlfLines(before[it.key()]) : QStringList();
        for (qsizetype i = 0; i < std::max(now.size(), was.size()); ++i) {
            const QString line = i < now.size() ? fileLine(now[i]) : QStringLiteral("(none)");
            if (!known && !now[i].isEmpty())
                out.append(QStringLiteral("  %1: %2").arg(i + 1).arg(line));
            else if (known && was.value(i, QStringLiteral("\x01")) != now.value(i, QStringLiteral("\x01")))
                out.append(QStringLiteral("  %1: %2 -> %3")
                               .arg(i + 1)
                               .arg(i < was.size() ? fileLine(was[i]) : QStringLiteral("(none)"), line));
        }
    }
    for (auto it = before.begin(); it != before.end(); ++it)
        if (!after.contains(it.key()))
            out.append(QStringLiteral("file %1 removed").arg(it.key()));
    return out;
}

// ---- The form ---------------------------------------------------------------

struct ControlChange {
    QString array;  // empty outside an array
    int index = -1;
    QString words;          // changed properties but z
    std::optional<int> z;  // z when it changed
};

QMap<QString, Control> namedControls(const Form &form)
{
    QMap<QString, Control> out;
    form.forEachControl([&out](const QString &name, int index, const Control &c) {
        out[name + QLatin1Char('[') + QString::number(index) + QLatin1Char(']')] = c;
    });
    return out;
}

// One line per changed control, in control order. Neighbours of one array with
// the same change share a line ("D[1..225] new visible=0 z=17..241") when
// their z values, if changed, run up by one.
QStringList formChanges(const Form &before, const Form &after)
{
    QStringList out;
    if (before.fontSize != after.fontSize)
        out.append(QStringLiteral("font size=%1").arg(after.fontSize));
    const QMap<QString, Control> was = namedControls(before);
    const QMap<QString, Control> now = namedControls(after);
    std::vector<ControlChange> changes;
    after.forEachControl([&](const QString &name, int index, const Control &c) {
        const auto old = was.find(name + QLatin1Char('[') + QString::number(index) + QLatin1Char(']'));
        // A new array element is told against element 0 as it was.
        const auto base = old != was.end() ? old : was.find(name + QStringLiteral("[0]"));
        const Control *from = base != was.end() ? &*base : nullptr;
        ControlChange change{index < 0 ? QString() : name, index, QString(), std::nullopt};
        Control sameZ = c;
        if (from && from->z != c.z) {
            change.z = c.z;
            sameZ.z = from->z;
        }
        change.words = describeControl(sameZ, from);
        if (old == was.end())
            change.words.prepend(change.words.isEmpty() ? QStringLiteral("new") : QStringLiteral("new "));
        if (change.words.isEmpty() && !change.z)
            return;
        if (index < 0)
            change.words.prepend(name + QLatin1Char(' '));
        changes.push_back(change);
    });
    auto range = [](int first, int last) {
        return first == last ? QString::number(first) : QStringLiteral("%1..%2").arg(first).arg(last);
    };
    for (std::size_t i = 0; i < changes.size();) {
        const ControlChange &first = changes[i];
        std::size_t end = i + 1;
        while (!first.array.isEmpty() && end < changes.size()) {
            const ControlChange &c = changes[end];
            const int step = int(end - i);
            if (c.array != first.array || c.index != first.index + step || c.words != first.words
                || c.z.has_value() != first.z.has_value() || (c.z && *c.z != *first.z + step))
                break;
            ++end;
        }
        const ControlChange &last = changes[end - 1];
        QStringList words;
        if (!first.array.isEmpty())
            words.append(QStringLiteral("%1[%2]").arg(first.array, range(first.index, last.index)));
        words.append(first.words);
        if (first.z)
            words.append(QStringLiteral("z=") + range(*first.z, *last.z));
        words.removeAll(QString());
        out.append(words.join(QLatin1Char(' ')));
        i = end;
    }
    for (auto it = was.begin(); it != was.end(); ++it)
        if (!now.contains(it.key()))
            out.append(it.key() + QStringLiteral(" removed"));
    return out;
}

// ---- The trace ----------------------------------------------------------------

class GoldenTrace : public HarnessObserver {
public:
    GoldenTrace(Harness &h, const testing::TestInfo &test)
        : m_h(h), m_test(test), m_form(h.game->form()), m_files(readFiles(h.dir.path()))
    {
        m_number = int(currentTraces(test).sections.size()) + 1;
        currentTraces(test).sections[m_number] = {};
    }

    ~GoldenTrace() override
    {
        step(QStringLiteral("end"));
        for (QString &line : m_lines)
            line.replace(m_h.dir.path(), QLatin1String("<dir>"));
        m_lines.prepend(QStringLiteral("# harness %1").arg(m_number));
        currentTraces(m_test).sections[m_number] = m_lines;
        if (updating())
            write();
        else
            compare();
    }

    void step(const QString &what) override
    {
        const QStringList changes = collect();
        if (what.isEmpty() && changes.isEmpty())
            return;
        // Direct calls between two steps share one heading.
        if (!what.isEmpty() || m_lines.isEmpty() || !m_inCalls)
            m_lines.append(QStringLiteral("== ") + (what.isEmpty() ? QStringLiteral("calls") : what));
        m_inCalls = what.isEmpty();
        m_lines += changes;
    }

private:
    QStringList collect()
    {
        QStringList out;
        // Speech, sounds and silencing in the order they happened.
        QMap<long long, QString> heard;
        const auto &utterances = m_h.voice.utterances;
        for (; m_voiceSeen < utterances.size(); ++m_voiceSeen) {
            const auto &u = utterances[m_voiceSeen];
            heard[u.order] = (u.waited ? QStringLiteral("say-wait ") : QStringLiteral("say ")) + quotedText(u.text);
        }
        const auto &plays = m_h.sound.plays;
        for (; m_soundSeen < plays.size(); ++m_soundSeen) {
            const auto &p = plays[m_soundSeen];
            heard[p.order] = (p.waited ? QStringLiteral("play-wait ") : QStringLiteral("play ")) + p.name;
        }
        for (; m_voiceStops < m_h.voice.stopOrders.size(); ++m_voiceStops)
            heard[m_h.voice.stopOrders[m_voiceStops]] = QStringLiteral("stop voice");
        for (; m_soundStops < m_h.sound.stopOrders.size(); ++m_soundStops)
            heard[m_h.sound.stopOrders[m_soundStops]] = QStringLiteral("stop sound");
        out += heard.values();
        for (; m_prompts < m_h.confirm.prompts.size(); ++m_prompts)
            out.append(QStringLiteral("confirm ") + quotedText(m_h.confirm.prompts[m_prompts]));
        for (; m_printed < m_h.printer.calls.size(); ++m_printed)
            out.append(QStringLiteral("print ") + m_h.printer.calls[m_printed]);
        for (; m_quits < m_h.app.quits; ++m_quits)
            out.append(QStringLiteral("quit"));

        const Form &form = m_h.game->form();
        if (!(form == m_form)) {
            out += formChanges(m_form, form);
            m_form = form;
        }
        const Files files = readFiles(m_h.dir.path());
        if (files != m_files) {
            out += fileChanges(m_files, files);
            m_files = files;
        }
        return out;
    }

    void write()
    {
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "golden file not written: the test failed";
            return;
        }
        QStringList all;
        for (const QStringList &section : currentTraces(m_test).sections)
            all += section;
        QFile f(goldenPath(m_test));
        if (!f.open(QIODevice::WriteOnly) || f.write((all.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0)
            ADD_FAILURE() << "cannot write " << f.fileName().toStdString();
    }

    void compare()
    {
        QFile f(goldenPath(m_test));
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no golden file " << f.fileName().toStdString()
                          << "; record it with QUOREL_GOLDEN_UPDATE=1 (tests/golden/README.md)";
            return;
        }
        QStringList golden = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        if (!golden.isEmpty() && golden.last().isEmpty())
            golden.removeLast();
        const qsizetype from = golden.indexOf(m_lines.front());
        qsizetype to = from;
        while (from >= 0 && to + 1 < golden.size() && !golden[to + 1].startsWith(QLatin1String("# harness ")))
            ++to;
        const QStringList expected = from < 0 ? QStringList() : golden.mid(from, to - from + 1);
        const QString none = QStringLiteral("(nothing)");
        for (qsizetype i = 0; i < std::max(expected.size(), m_lines.size()); ++i) {
            const QString want = expected.value(i, none);
            const QString got = m_lines.value(i, none);
            if (want == got)
                continue;
            ADD_FAILURE() << "trace differs from " << f.fileName().toStdString() << " at line "
                          << (from < 0 ? 0 : from + i + 1) << " (step \"" << stepOf(i).toStdString()
                          << "\")\n  golden: " << want.toStdString() << "\n  now:    " << got.toStdString()
                          << "\nIf the change is intended, re-record with QUOREL_GOLDEN_UPDATE=1 (tests/golden/README.md).";
            return;
        }
    }

    // The step heading above trace line i.
    QString stepOf(qsizetype i) const
    {
        for (i = std::min(i, m_lines.size() - 1); i >= 0; --i)
            if (m_lines[i].startsWith(QLatin1String("== ")))
                return m_lines[i].mid(3);
        return QStringLiteral("before the first step");
    }

    Harness &m_h;
    const testing::TestInfo &m_test;
    int m_number = 0;
    QStringList m_lines;
    Form m_form;
    Files m_files;
    std::size_t m_voiceSeen = 0, m_soundSeen = 0, m_voiceStops = 0, m_soundStops = 0;
    qsizetype m_prompts = 0, m_printed = 0;
    int m_quits = 0;
    bool m_inCalls = false;  // the last heading written is "calls"
};

// Every harness made inside a running test of this program is traced.
[[maybe_unused]] const bool registered = [] {
    harnessObserverFactory() = [](Harness &h) -> std::unique_ptr<HarnessObserver> {
        const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
        if (!test)
            return nullptr;
        return std::make_unique<GoldenTrace>(h, *test);
    };
    return true;
}();

} // namespace
