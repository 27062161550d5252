// One keystroke of type-ahead completion over a 10,000-item list, next to the prefix
// search a QCompleter does, in the same run: our completion goes through the list in
// its own order and reads the typed text as a pattern; the others find a plain prefix.
// The completion runs on its own and inside a real OCombo1 that the keys are typed into.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

#include "controls/input/OCombo1.h"
#include "platform/LikePattern.h"
#include "platform/TypeAheadCompletion.h"

namespace
{

constexpr int itemCount = 10000;

// Place-like names of 4 to 11 letters, the same in every run.
const QStringList &items()
{
    static const QStringList list = [] {
        std::mt19937 random(16);
        std::uniform_int_distribution<int> length(4, 11);
        std::uniform_int_distribution<int> letter(0, 25);
        QStringList names;
        names.reserve(itemCount);
        while (names.size() < itemCount) {
            QString name;
            const int size = length(random);
            for (int i = 0; i < size; ++i)
                name += QChar(u'a' + letter(random));
            name[0] = name[0].toUpper();
            names.append(name);
        }
        return names;
    }();
    return list;
}

// The keystrokes of typing a word: each prefix in turn.
QStringList keystrokes(const QString &word)
{
    QStringList typed;
    for (qsizetype n = 1; n <= word.size(); ++n)
        typed.append(word.left(n));
    return typed;
}

// The last item of the list, so the later keystrokes go through the whole list.
QStringList typingLastItem()
{
    return keystrokes(items().constLast());
}

QStringList typingNoItem()
{
    return keystrokes(QStringLiteral("Zqxjzqxj"));
}

void reportPerKeystroke(benchmark::State &state, qsizetype keystrokesPerIteration)
{
    state.counters["per_keystroke"] =
        benchmark::Counter(double(state.iterations() * keystrokesPerIteration),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void typeAhead(benchmark::State &state, const QStringList &typed)
{
    const TypeAheadCompletion completion(items());
    for (auto _ : state)
        for (const QString &text : typed)
            benchmark::DoNotOptimize(completion.complete(text));
    reportPerKeystroke(state, typed.size());
}
BENCHMARK_CAPTURE(typeAhead, lastItem, typingLastItem());
BENCHMARK_CAPTURE(typeAhead, noItem, typingNoItem());
BENCHMARK_CAPTURE(typeAhead, wildcards, QStringList{"*", "*a", "*a*", "*a*e", "*a*e?"});
BENCHMARK_CAPTURE(typeAhead, manyStars, QStringList{"*a*a*a*a*a*b"});

// A key as the keyboard sends it to the box: pressed, then released.
void typeKey(QWidget *box, QChar character)
{
    const auto key = Qt::Key(character.toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(box, &release);
}

// The same keystrokes typed into an OCombo1 that holds the list: the form's key events,
// the box's editing, the completion and the selection of the completed tail.
void oCombo1(benchmark::State &state, const QStringList &typed)
{
    OCombo1 combo;
    for (const QString &item : items())
        combo.AddItem(item);
    // The first keystroke after the list changed prepares it (measured below).
    typeKey(combo.Combo1(), u'a');
    for (auto _ : state) {
        state.PauseTiming();
        combo.letText(QString());
        state.ResumeTiming();
        for (const QString &text : typed)
            typeKey(combo.Combo1(), text.back());
    }
    reportPerKeystroke(state, typed.size());
}
BENCHMARK_CAPTURE(oCombo1, lastItem, typingLastItem());
BENCHMARK_CAPTURE(oCombo1, noItem, typingNoItem());

// Preparing the list, which the combo does again whenever its list changes.
void typeAheadPrepare(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TypeAheadCompletion(items()));
}
BENCHMARK(typeAheadPrepare)->Unit(benchmark::kMicrosecond);

// A sorted copy of upper-cased items and a binary search for the typed prefix.
void sortedPrefix(benchmark::State &state, const QStringList &typed)
{
    std::vector<std::pair<QString, int>> sorted;
    for (int i = 0; i < items().size(); ++i)
        sorted.emplace_back(items().at(i).toUpper(), i);
    std::sort(sorted.begin(), sorted.end());
    for (auto _ : state) {
        for (const QString &text : typed) {
            const QString key = text.toUpper();
            const auto found = std::lower_bound(sorted.begin(), sorted.end(), key,
                                                [](const std::pair<QString, int> &item,
                                                   const QString &k) { return item.first < k; });
            const bool hit = found != sorted.end() && found->first.startsWith(key);
            benchmark::DoNotOptimize(hit ? found->second : -1);
        }
    }
    reportPerKeystroke(state, typed.size());
}
BENCHMARK_CAPTURE(sortedPrefix, lastItem, typingLastItem());
BENCHMARK_CAPTURE(sortedPrefix, noItem, typingNoItem());

// QCompleter itself over a string list model, a fresh one for each word typed so its
// cache of earlier prefixes starts empty, as it does in a box just shown.
void completer(benchmark::State &state, QCompleter::ModelSorting sorting, const QStringList &typed)
{
    QStringList list = items();
    if (sorting == QCompleter::CaseInsensitivelySortedModel)
        list.sort(Qt::CaseInsensitive);
    QStringListModel model(list);
    for (auto _ : state) {
        state.PauseTiming();
        QCompleter completer(&model);
        completer.setCaseSensitivity(Qt::CaseInsensitive);
        completer.setModelSorting(sorting);
        state.ResumeTiming();
        for (const QString &text : typed) {
            completer.setCompletionPrefix(text);
            benchmark::DoNotOptimize(completer.currentCompletion());
        }
    }
    reportPerKeystroke(state, typed.size());
}
BENCHMARK_CAPTURE(completer, unsortedLastItem, QCompleter::UnsortedModel, typingLastItem());
BENCHMARK_CAPTURE(completer, unsortedNoItem, QCompleter::UnsortedModel, typingNoItem());
BENCHMARK_CAPTURE(completer, sortedLastItem, QCompleter::CaseInsensitivelySortedModel,
                  typingLastItem());
BENCHMARK_CAPTURE(completer, sortedNoItem, QCompleter::CaseInsensitivelySortedModel,
                  typingNoItem());

// The worst pattern for a backtracking matcher, against a long text that it misses.
void likePatternManyStars(benchmark::State &state)
{
    const LikePattern pattern(QStringLiteral("*A*A*A*A*A*B"));
    const QString text(qsizetype(state.range(0)), u'A');
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.matches(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(likePatternManyStars)->RangeMultiplier(4)->Range(256, 65536)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
