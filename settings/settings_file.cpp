// Reading and writing the settings file: preferences and the location list as
// CR LF text, read line by line through the tokenizer.
#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/names.h"
#include "settings/tokenizer.h"
#include "support/file_io.h"
#include "support/format_text.h"
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
        size_t end = pos_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n')
            ++end;
        line = bytes_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ == bytes_.size()) return true;
        if (bytes_[pos_++] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        return true;
    }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

// A location value as the file can hold it: non-finite values and values too
// large for the fixed-point format become 0.
double storableValue(double v) {
    return std::isfinite(v) && std::fabs(v) <= LARGEST_STORED_VALUE ? v : 0.0;
}

double readValue(const std::string& token) {
    double v = 0.0;
    return parseDecimal(token, v) ? storableValue(v) : 0.0;
}

// Reads the integer value of a keyword line into `value`; a missing or
// unreadable value leaves it unchanged.
// A keyword's on/off value: any non-zero number is on.
void readKeywordFlag(const std::vector<std::string>& tokens, bool& value) {
    int32_t v = 0;
    if (tokens.size() >= 2 && parseInteger(tokens[1], v)) value = v != 0;
}

enum class BlockLine { Record, Blank, End };

// Reads one line of the location block into `loc`.
BlockLine readLocationLine(std::string_view line, Location& loc) {
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
    for (size_t i = 0; i < 4 && i < numbers.size(); ++i)
        *fields[i] = readValue(numbers[i]);
    if (numbers.size() > 4) loc.zone = std::move(numbers[4]);
    return BlockLine::Record;
}

// Reads a "locations" line and the location lines after it into a new list.
// Returns false when the block ended at the "end" line.
bool readLocationBlock(const std::vector<std::string>& tokens, LineReader& lines,
                       LocationList& list) {
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
        const BlockLine kind = readLocationLine(line, loc);
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

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

// Keeps an existing file at `path` that is not an understood settings file
// (a later version's, a damaged or an unreadable one) under a backup name
// before it is replaced; `backup` receives that name. False, with the reason,
// when such a file could not be kept or the path holds no regular file.
bool keepUnlessUnderstood(const std::string& path, std::optional<std::string>& backup,
                          std::string* problem) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode)) {
        if (problem != nullptr) *problem = std::string(NOT_A_REGULAR_FILE);
        return false;
    }
    std::string bytes;
    if (readWholeFile(path, bytes) && isSettingsText(bytes)) return true;
    backup = keepBackup(path, SETTINGS_BACKUP_SUFFIX, problem);
    return backup.has_value();
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

std::string settingsBackupPath(const std::string& path) {
    return path + std::string(SETTINGS_BACKUP_SUFFIX);
}

void setDefaultSettings(LocationList& list, Preferences& prefs) {
    list = LocationList{};
    prefs.magneticBearings = true;
    prefs.twelveHourClock = false;
}

bool isSettingsText(std::string_view bytes) {
    LineReader lines(bytes);
    std::string_view first;
    return lines.next(first) && sameName(first, SETTINGS_VERSION_LINE);
}

SettingsLoad parseSettingsText(std::string_view bytes, LocationList& list, Preferences& prefs) {
    setDefaultSettings(list, prefs);
    if (!isSettingsText(bytes)) return SettingsLoad::NotUnderstood;
    LineReader lines(bytes);
    std::string_view line;
    lines.next(line); // the version line
    while (lines.next(line)) {
        const std::vector<std::string> tokens = tokenizeLine(line);
        if (tokens.empty()) continue;
        const std::string& keyword = tokens.front();
        if (sameName(keyword, "end")) break;
        if (sameName(keyword, "magneticbearings")) {
            readKeywordFlag(tokens, prefs.magneticBearings);
        } else if (sameName(keyword, "time12hr")) {
            readKeywordFlag(tokens, prefs.twelveHourClock);
        } else if (sameName(keyword, "locations")) {
            if (!readLocationBlock(tokens, lines, list)) break;
        }
    }
    if (list.present) clampCurrent(list);
    return SettingsLoad::Loaded;
}

std::string settingsText(const LocationList& list, const Preferences& prefs) {
    std::string out;
    appendLine(out, SETTINGS_VERSION_LINE);
    appendLine(out, formatText("magneticbearings %d", prefs.magneticBearings ? 1 : 0));
    appendLine(out, formatText("time12hr %d", prefs.twelveHourClock ? 1 : 0));
    appendLine(out, formatText("locations %d %d", list.current, list.count()));
    for (const Location& loc : list.records) {
        std::string line =
            formatText("  %s %s %s %s %s", quotedName(loc.name), valueText(loc.latitude, 2),
                       valueText(loc.longitude, 2), valueText(loc.magneticDeclination, 1),
                       valueText(loc.timeZone, 1));
        // The zone goes last: an older reader takes five fields and ignores the rest.
        if (!loc.zone.empty()) line += " " + quotedName(loc.zone);
        appendLine(out, line);
    }
    appendLine(out, "end");
    return out;
}

SettingsLoad loadSettings(const std::string& path, LocationList& list, Preferences& prefs,
                          std::string* problem) {
    setDefaultSettings(list, prefs);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 && errno == ENOENT) return SettingsLoad::Missing;
    std::string bytes;
    if (!readWholeFile(path, bytes, problem)) return SettingsLoad::Unreadable;
    return parseSettingsText(bytes, list, prefs);
}

SettingsSave saveSettings(const std::string& path, const LocationList& list,
                          const Preferences& prefs, std::string* problem) {
    // The file behind a link is replaced, and its backup kept beside it.
    const std::optional<std::string> target = followLinks(path, problem);
    if (!target) return SettingsSave::Failed;
    std::optional<std::string> backup;
    if (!keepUnlessUnderstood(*target, backup, problem)) return SettingsSave::Failed;
    if (!writeFileReplacing(*target, settingsText(list, prefs), problem)) {
        // The old file is still in place: a backup of it would only confuse.
        if (backup) unlink(backup->c_str());
        return SettingsSave::Failed;
    }
    return SettingsSave::Saved;
}

} // namespace skyledger
