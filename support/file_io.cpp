// Whole-file reading and replacing writes.
#include "support/file_io.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace skyledger {

namespace fs = std::filesystem;

bool readWholeFile(const std::string& path, std::string& bytes) {
    std::error_code ec;
    if (fs::status(path, ec).type() != fs::file_type::regular) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return !in.bad();
}

bool writeFileReplacing(const std::string& path, std::string_view bytes,
                        std::string_view temporarySuffix) {
    const std::string temporary = path + std::string(temporarySuffix);
    std::error_code ec;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace skyledger
