#include "data_fingerprint.h"

#include "store/settings_entries.h"
#include "store/system_files.h"

#include <memory>
#include <openssl/evp.h>
#include <stdexcept>

namespace tavu::code {

namespace {

class Sha256 {
public:
    Sha256()
        : context_(EVP_MD_CTX_new(), EVP_MD_CTX_free) {
        if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1)
            throw std::runtime_error("SHA-256 を用意できません");
    }
    void add(std::string_view bytes) { EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size()); }
    // Each part with its length first, so that no two different folders hash alike by
    // moving bytes from one file to the next.
    void addPart(std::string_view bytes) {
        add(std::to_string(bytes.size()));
        add(std::string_view(":", 1));
        add(bytes);
    }
    std::uint64_t first64() {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        EVP_DigestFinal_ex(context_.get(), digest, &size);
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value = value << 8 | digest[i];
        return value;
    }

private:
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context_;
};

bool isTableFile(const std::string& name) {
    return name.rfind("RM_", 0) == 0;
}

} // namespace

DataFingerprint fingerprintData(const std::filesystem::path& systemDir, const SettingsArray& settings) {
    Sha256 sha;
    for (int e = entry::NoneCreatureCount; e < entry::ItemKindCountFirst + ItemKindCount; ++e)
        sha.addPart(std::to_string(settings[static_cast<std::size_t>(e)]));
    for (const auto& name : requiredSystemFiles())
        if (isTableFile(name)) {
            sha.addPart(name);
            sha.addPart(readSystemFile(systemDir, name));
        }
    DataFingerprint data{sha.first64(), std::nullopt};
    int version = settings[entry::DataVersion];
    if (version >= 0 && version <= 99999)
        data.version = version;
    return data;
}

std::string dataVersionText(const DataFingerprint& data) {
    return data.version ? "版 " + std::to_string(*data.version) : std::string("版不明");
}

} // namespace tavu::code
