// The batch calculation on any bytes, cut anywhere (lines end at LF, CR LF or CR): one output
// line per line that is neither blank nor a comment, in order and numbered as read; a bad line
// never stops the batch; the output does not depend on the cuts; every table row has the header's
// columns; and the batch fails exactly when a line is unread or a design refused.

#include "app/batch.h"
#include "check.h"

#include "report/csv.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::visible;

// Numbers (from 1) of the lines that must give an output line, found without the reader.
std::vector<long long> linesToAnswer(std::string_view bytes)
{
    std::vector<long long> numbers;
    long long number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        std::string_view line = bytes.substr(0, end);
        const bool crLf = end != std::string_view::npos && bytes.substr(end, 2) == "\r\n";
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + (crLf ? 2 : 1));
        ++number;
        if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] != '#')
            numbers.push_back(number);
    }
    return numbers;
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

struct Output {
    std::string text;
    bool failed = false;
};

Output run(const BatchSettings &settings, std::string_view bytes, const std::vector<std::size_t> &cuts)
{
    BatchRun batch(settings);
    Output out;
    std::size_t done = 0;
    for (const std::size_t cut : cuts) {
        batch.feed(bytes.substr(done, cut - done), out.text);
        done = cut;
    }
    batch.feed(bytes.substr(done), out.text);
    batch.finish(out.text);
    out.failed = batch.failed();
    return out;
}

// The fields of a table row, quotes taken off.
std::vector<std::string> fieldsOf(std::string_view row)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (c == '"' && quoted && i + 1 < row.size() && row[i + 1] == '"')
            fields.back() += row[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    BatchSettings settings;
    settings.csv = input.ConsumeBool();
    CalculationOptions &options = settings.parsed.options;
    options.Pas_Serie = input.ConsumeIntegralInRange(1, 2);
    options.Mode_Affichage = input.PickValueInArray({0, 3, 4, 5});
    options.Constante_K4060 = input.PickValueInArray({2.8e-6, 2.2e-6, 1e-9, 1e-3});
    options.separator = input.ConsumeBool() ? ',' : '.';
    options.circuit = input.ConsumeBool(); // each line's JSON, its circuit included, must parse
    std::vector<std::size_t> cuts(input.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (std::size_t &cut : cuts)
        cut = input.ConsumeIntegral<std::uint16_t>();
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const std::string_view bytes = rest;
    for (std::size_t &cut : cuts)
        cut %= bytes.size() + 1;
    std::sort(cuts.begin(), cuts.end());
    const std::string detail = std::string(settings.csv ? "csv" : "json") + " input " + visible(bytes.substr(0, 400));

    const Output whole = run(settings, bytes, {});
    FUZZ_CHECK(run(settings, bytes, cuts).text == whole.text, detail + " depends on the cuts");

    // One line per line to answer, numbered as read; a line in error says so and the batch goes on.
    const std::vector<long long> expected = linesToAnswer(bytes);
    const std::vector<std::string_view> lines = linesOf(whole.text);
    FUZZ_CHECK(whole.text.empty() || whole.text.back() == '\n', detail);
    FUZZ_CHECK(lines.size() == expected.size(), detail + " gives " + std::to_string(lines.size()) + " lines, not "
                                                    + std::to_string(expected.size()) + ": " + visible(whole.text.substr(0, 600)));
    std::string headerLine = report::csvHeader(settings.parsed.options);
    headerLine.pop_back(); // its newline
    const std::vector<std::string> header = fieldsOf(headerLine);
    const auto column = [&header](std::string_view name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    const std::size_t arret = column("arret"), erreur = column("erreur");
    bool anyFailure = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string shown = detail + " output " + visible(lines[i]);
        long long number = -1;
        if (settings.csv) {
            std::from_chars(lines[i].data(), lines[i].data() + lines[i].size(), number);
            const std::vector<std::string> fields = fieldsOf(lines[i]);
            FUZZ_CHECK(fields.size() == header.size(), shown + " has " + std::to_string(fields.size()) + " fields");
            anyFailure = anyFailure || !fields[arret].empty() || !fields[erreur].empty();
        } else {
            const QJsonDocument json = QJsonDocument::fromJson(QByteArray(lines[i].data(), qsizetype(lines[i].size())));
            FUZZ_CHECK(json.isObject(), shown);
            number = json.object().value(QLatin1String("ligne")).toInteger(-1);
            anyFailure = anyFailure || json.object().contains(QLatin1String("erreur"))
                      || json.object().contains(QLatin1String("arret"));
        }
        FUZZ_CHECK(number == expected[i], shown + " numbered " + std::to_string(number) + " not " + std::to_string(expected[i]));
    }
    FUZZ_CHECK(whole.failed == anyFailure, detail);
    return 0;
}
