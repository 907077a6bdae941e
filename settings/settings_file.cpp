// Reading and writing the settings file: preferences and the location list as
// CR LF text, read line by line through the tokenizer.
#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/names.h"
#include "settings/tokenizer.h"
#include "support/file_io.h"
#include "support/format_text.h"
#include "support/messages.h"
#include "support/parse_number.h"

namespace skyledger {

static_assert(MAX_NAME_LENGTH == MAX_TOKEN_LENGTH, "a stored name must fit in one token");

namespace {

// Splits file bytes into lines ended by CR LF, LF or CR alone; a last line
// without an ending is a line too.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    bool next(std::string_view& line) {
        if (pos_ >= bytes_.size()) return false;
        ++number_;
        size_t end = pos_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n')
            ++end;
        line = bytes_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ == bytes_.size()) return true;
        if (bytes_[pos_++] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        return true;
    }

    // The number of the line `next` gave last, from 1.
    int32_t number() const { return number_; }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
    int32_t number_ = 0;
};

// Collects the lines the reader did not take, when the caller asks for them.
class SkipLog {
  public:
    explicit SkipLog(std::vector<SkippedLine>* lines) : lines_(lines) {}
    void add(int32_t line, SkipReason why) {
        if (lines_ != nullptr) lines_->push_back({line, why});
    }

  private:
    std::vector<SkippedLine>* lines_;
};

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A place line: its first character after blanks is the name's quote.
bool looksLikePlaceLine(std::string_view line) {
    const size_t start = line.find_first_not_of(" \t");
    return start != std::string_view::npos && line[start] == '"';
}

// A location value as the file can hold it: non-finite values and values too
// large for the fixed-point format become 0.
double storableValue(double v) {
    return std::isfinite(v) && std::fabs(v) <= LARGEST_STORED_VALUE ? v : 0.0;
}

// A location value, 0 when it cannot be read (`readable` then false).
double readValue(const std::string& token, bool& readable) {
    double v = 0.0;
    readable = parseDecimal(token, v) && storableValue(v) == v;
    return readable ? v : 0.0;
}

// Reads the integer value of a keyword line into `value`; a missing or
// unreadable value leaves it unchanged.
// A keyword's on/off value: any non-zero number is on.
// False when the value is missing or unreadable.
bool readKeywordFlag(const std::vector<std::string>& tokens, bool& value) {
    int32_t v = 0;
    if (tokens.size() < 2 || !parseInteger(tokens[1], v)) return false;
    value = v != 0;
    return true;
}

enum class BlockLine { Record, Blank, End };

// Reads one line of the location block into `loc`; a value that is missing
// or cannot be read is noted in `log`.
BlockLine readLocationLine(std::string_view line, int32_t lineNumber, Location& loc, SkipLog& log) {
    size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    const bool quoted = start < line.size() && line[start] == '"';
    std::vector<std::string> numbers;
    loc = Location{};
    if (line.substr(start, 2) == "\"\"") {
        // An empty name: the tokenizer would stop at the empty quotes.
        numbers = tokenizeLine(line.substr(start + 2));
    } else {
        numbers = tokenizeLine(line);
        if (numbers.empty()) return BlockLine::Blank;
        if (!quoted && sameName(numbers.front(), "end")) return BlockLine::End;
        loc.name = std::move(numbers.front());
        numbers.erase(numbers.begin());
    }
    double* const fields[] = {&loc.latitude, &loc.longitude, &loc.magneticDeclination,
                              &loc.timeZone};
    bool allRead = numbers.size() >= 4;
    if (!allRead) log.add(lineNumber, SkipReason::MissingNumber);
    for (size_t i = 0; i < 4 && i < numbers.size(); ++i) {
        bool readable = true;
        *fields[i] = readValue(numbers[i], readable);
        if (!readable && allRead) log.add(lineNumber, SkipReason::UnreadableNumber);
        allRead = allRead && readable;
    }
    // A zone name starts with a letter; another sixth token (a number, the
    // comma of a decimal comma) is left to be ignored, as it always was.
    if (numbers.size() > 4 && std::isalpha(static_cast<unsigned char>(numbers[4].front())))
        loc.zone = std::move(numbers[4]);
    return BlockLine::Record;
}

// Reads a "locations" line and the location lines after it into a new list.
// Returns false when the block ended at the "end" line.
bool readLocationBlock(const std::vector<std::string>& tokens, LineReader& lines,
                       LocationList& list, SkipLog& log) {
    int32_t index = 0;
    if (tokens.size() >= 2 && !parseInteger(tokens[1], index)) index = 0;
    int32_t count = -1;
    if (tokens.size() < 3 || !parseInteger(tokens[2], count)) count = -1;
    const bool bounded = count >= 0;

    list.present = true;
    list.records.clear();
    list.current = index;
    std::string_view line;
    while ((!bounded || list.count() < count) && lines.next(line)) {
        Location loc;
        const BlockLine kind = readLocationLine(line, lines.number(), loc, log);
        if (kind == BlockLine::End) return false;
        if (kind == BlockLine::Record) list.records.push_back(std::move(loc));
    }
    return true;
}

void clampCurrent(LocationList& list) {
    if (list.current >= list.count()) list.current = list.count() - 1;
    if (list.current < 0) list.current = 0;
}

// The name as written between the quotes, cut to MAX_NAME_LENGTH bytes.
std::string quotedName(std::string_view name) {
    std::string text = "\"";
    for (char c : name.substr(0, MAX_NAME_LENGTH)) {
        if (c == '"' || c == '\\') text += '\\';
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else
            text += c;
    }
    text += '"';
    return text;
}

// A location value with `decimals` (1 or 2) decimals. A negative zero keeps
// its sign, so a "-0.00" read from the file is written back unchanged.
std::string valueText(double v, int decimals) {
    v = storableValue(v);
    std::string text = formatText(decimals == 2 ? "%2f" : "%1f", v);
    if (v == 0.0 && std::signbit(v)) text.insert(0, "-");
    return text;
}

// One place's line of the list, without its line end: every field this
// program keeps for a place, in the order the reader takes them.
std::string placeLine(const Location& loc) {
    std::string line =
        formatText("  %s %s %s %s %s", quotedName(loc.name), valueText(loc.latitude, 2),
                   valueText(loc.longitude, 2), valueText(loc.magneticDeclination, 1),
                   valueText(loc.timeZone, 1));
    // The zone goes last: an older reader takes five fields and ignores the rest.
    if (!loc.zone.empty()) line += " " + quotedName(loc.zone);
    return line;
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

// A read that found nothing to take: the defaults, with how it went and why.
SettingsRead defaultSettingsRead(SettingsLoad load, std::string problem = {}) {
    SettingsRead read;
    setDefaultSettings(read.list, read.prefs);
    read.load = load;
    read.problem = std::move(problem);
    return read;
}

// True when `bytes` are exactly what this program would write from what it
// reads in them: nothing in them would be lost or changed by a save.
bool writtenAsRead(std::string_view bytes) {
    const SettingsRead read = parseSettingsText(bytes);
    return read.load == SettingsLoad::Loaded && settingsText(read.list, read.prefs) == bytes;
}

// Keeps an existing file at `path` under a backup name before it is replaced,
// unless a save would give back its very bytes (a later version's file, a
// damaged or hand-made one, one this reader only partly took, an unreadable
// one are all kept). Gives the backup's name, none when no backup was needed;
// the reason instead when such a file could not be kept or the path holds no
// regular file.
FileResult<std::optional<std::string>> keepUnlessWrittenAsRead(const std::string& path,
                                                               bool always) {
    using Kept = std::optional<std::string>;
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return Kept{};
        return FileProblem{std::strerror(errno)};
    }
    if (!S_ISREG(st.st_mode)) return FileProblem{NOT_A_REGULAR_FILE};
    if (!always) {
        const FileResult<std::string> bytes = readWholeFile(path);
        if (bytes.ok() && writtenAsRead(bytes.value())) return Kept{};
    }
    FileResult<std::string> kept = keepBackup(path, SETTINGS_BACKUP_SUFFIX);
    if (!kept.ok()) return kept.error();
    return Kept{std::move(kept).value()};
}

} // namespace

std::string programDirectory(std::string_view moduleFileName) {
    const size_t cut = moduleFileName.find_last_of("\\/:");
    if (cut == std::string_view::npos) return ".";
    std::string dir(moduleFileName.substr(0, cut + 1));
    const char last = dir.back();
    if ((last == '\\' || last == '/') && dir.size() >= 2 && dir[dir.size() - 2] != ':') {
        dir.pop_back();
    }
    return dir;
}

std::string settingsPath(std::string_view directory) {
    std::string path(directory);
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) {
        const bool windowsStyle = path.find_first_of("\\:") != std::string::npos;
        path += windowsStyle ? '\\' : '/';
    }
    path += SETTINGS_FILE_NAME;
    return path;
}

std::string notUnderstoodWhy(std::string_view bytes) {
    if (bytes.empty()) return EMPTY_FILE_REASON;
    LineReader lines(bytes);
    std::string_view first;
    lines.next(first);
    const std::string_view program =
        SETTINGS_VERSION_LINE.substr(0, SETTINGS_VERSION_LINE.find(' ') + 1);
    if (first.size() <= 40 && first.size() > program.size() &&
        sameName(first.substr(0, program.size()), program))
        return otherVersionReason(first);
    return notVersionLineReason(SETTINGS_VERSION_LINE);
}

std::optional<std::string> settingsLoadMessage(SettingsLoad load, std::string_view shownName,
                                               std::string_view problem) {
    switch (load) {
    case SettingsLoad::Loaded:
        return std::nullopt;
    case SettingsLoad::Missing:
        return missingFileMessage(shownName);
    case SettingsLoad::Unreadable:
        return unreadableSettingsMessage(shownName, problem);
    case SettingsLoad::NotUnderstood:
        break;
    }
    return unknownSettingsFileMessage(shownName, problem);
}

std::string skippedLinesMessage(std::string_view shownName,
                                const std::vector<SkippedLine>& skipped) {
    constexpr size_t MOST_NAMED = 5;
    std::vector<std::pair<int32_t, std::string>> named;
    for (size_t i = 0; i < skipped.size() && i < MOST_NAMED; ++i)
        named.emplace_back(skipped[i].line, skipReasonText(skipped[i].why));
    const size_t more = skipped.size() > MOST_NAMED ? skipped.size() - MOST_NAMED : 0;
    return notReadInFullMessage(shownName, named, more);
}

std::string skipReasonText(SkipReason why) {
    switch (why) {
    case SkipReason::BeyondCount:
        return BEYOND_COUNT_REASON;
    case SkipReason::UnreadableNumber:
        return UNREADABLE_NUMBER_REASON;
    case SkipReason::MissingNumber:
        return MISSING_NUMBER_REASON;
    case SkipReason::UnknownLine:
        return UNKNOWN_LINE_REASON;
    case SkipReason::SecondList:
        return SECOND_LIST_REASON;
    case SkipReason::AfterEnd:
        break;
    }
    return AFTER_END_REASON;
}

std::string settingsBackupPath(const std::string& path) {
    return path + std::string(SETTINGS_BACKUP_SUFFIX);
}

void setDefaultSettings(LocationList& list, Preferences& prefs) {
    list = LocationList{};
    prefs.magneticBearings = true;
    prefs.twelveHourClock = false;
}

Preferences withStoredPreferences(Preferences current, const Preferences& stored) {
    current.magneticBearings = stored.magneticBearings;
    current.twelveHourClock = stored.twelveHourClock;
    return current;
}

bool isSettingsText(std::string_view bytes) {
    LineReader lines(bytes);
    std::string_view first;
    return lines.next(first) && sameName(first, SETTINGS_VERSION_LINE);
}

SettingsRead parseSettingsText(std::string_view bytes) {
    if (!isSettingsText(bytes))
        return defaultSettingsRead(SettingsLoad::NotUnderstood, notUnderstoodWhy(bytes));
    SettingsRead read = defaultSettingsRead(SettingsLoad::Loaded);
    LocationList& list = read.list;
    Preferences& prefs = read.prefs;
    SkipLog log(&read.skipped);
    LineReader lines(bytes);
    std::string_view line;
    lines.next(line); // the version line
    bool ended = false;
    while (!ended && lines.next(line)) {
        const std::vector<std::string> tokens = tokenizeLine(line);
        if (tokens.empty()) continue;
        const std::string& keyword = tokens.front();
        const int32_t number = lines.number();
        if (looksLikePlaceLine(line)) {
            log.add(number, list.present ? SkipReason::BeyondCount : SkipReason::UnknownLine);
        } else if (sameName(keyword, "end")) {
            ended = true;
        } else if (sameName(keyword, "magneticbearings")) {
            if (!readKeywordFlag(tokens, prefs.magneticBearings))
                log.add(number, SkipReason::UnreadableNumber);
        } else if (sameName(keyword, "time12hr")) {
            if (!readKeywordFlag(tokens, prefs.twelveHourClock))
                log.add(number, SkipReason::UnreadableNumber);
        } else if (sameName(keyword, "locations")) {
            if (list.present) log.add(number, SkipReason::SecondList);
            ended = !readLocationBlock(tokens, lines, list, log);
        } else {
            log.add(number, SkipReason::UnknownLine);
        }
    }
    while (lines.next(line)) {
        if (!isBlank(line)) log.add(lines.number(), SkipReason::AfterEnd);
    }
    if (list.present) clampCurrent(list);
    return read;
}

std::string settingsText(const LocationList& list, const Preferences& prefs) {
    std::string out;
    appendLine(out, SETTINGS_VERSION_LINE);
    appendLine(out, formatText("magneticbearings %d", prefs.magneticBearings ? 1 : 0));
    appendLine(out, formatText("time12hr %d", prefs.twelveHourClock ? 1 : 0));
    appendLine(out, formatText("locations %d %d", list.current, list.count()));
    for (const Location& loc : list.records)
        appendLine(out, placeLine(loc));
    appendLine(out, "end");
    return out;
}

SettingsRead loadSettings(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 && errno == ENOENT)
        return defaultSettingsRead(SettingsLoad::Missing);
    FileResult<std::string> contents = readWholeFile(path);
    if (!contents.ok()) return defaultSettingsRead(SettingsLoad::Unreadable, contents.error().why);
    SettingsRead read = parseSettingsText(contents.value());
    read.bytesRead = std::move(contents).value();
    return read;
}

FileResult<Done> saveSettings(const std::string& path, const LocationList& list,
                              const Preferences& prefs, bool alwaysKeepOld) {
    // The file behind a link is replaced, and its backup kept beside it.
    const FileResult<std::string> followed = followLinks(path);
    if (!followed.ok()) return followed.error();
    const std::string& target = followed.value();
    const FileResult<std::optional<std::string>> backup =
        keepUnlessWrittenAsRead(target, alwaysKeepOld);
    if (!backup.ok()) return backup.error();
    FileResult<Done> written = writeFileReplacing(target, settingsText(list, prefs));
    // The old file is still in place: a backup of it would only confuse.
    if (!written.ok() && backup.value()) unlink(backup.value()->c_str());
    return written;
}

} // namespace skyledger
