#include "import/EntryProposal.h"

#include <algorithm>

#include "catalog/ListCatalog.h"
#include "catalog/ProfileLine.h"
#include "catalog/ShiftJis.h"
#include "import/EncodedWords.h"
#include "import/ListEvidence.h"
#include "tables/ServerFamilies.h"

namespace pivlon {
namespace {

// The longest value the program reads, its buffer's terminating zero left out.
constexpr std::size_t kLongestValue = ListCatalog::kValueBufferSize - 1;

std::string FamilyName(int serverType) {
    const ServerFamily* family = FindServerFamily(serverType);
    return family ? std::string(family->name) : "Type " + std::to_string(serverType);
}

std::string FamilyChoices() {
    std::string text;
    for (const ServerFamily& family : ServerFamilies()) {
        text += text.empty() ? "" : ", ";
        text += std::to_string(family.serverType) + " (" + std::string(family.name) + ")";
    }
    return text;
}

// "FIELD: VALUE" as the mail writes it, decoded where it can be.
std::string Quoted(const Fact& fact, const Utf8Converter& utf8) {
    const std::optional<std::string> text = DecodeHeaderText(fact.value, utf8);
    return fact.header + ": " + (text ? *text : "(not readable in Shift-JIS)");
}

class Proposer {
  public:
    Proposer(const HeaderBlock& headers, const ImportChoices& choices, const Utf8Converter& utf8)
        : headers_(headers), choices_(choices), utf8_(utf8) {}

    EntryProposal Propose() {
        const std::optional<int> type = ChooseFamily();
        const ListEvidence evidence = GatherEvidence(headers_, type);
        CatalogEntry entry;
        entry.serverType = type.value_or(0);
        entry.listName = ChooseName(evidence);
        entry.commandAddress = ChooseAddress("command address", evidence.commandAddress, true);
        const ServerFamily* family = type ? FindServerFamily(*type) : nullptr;
        if (family && family->digestIsOwnList) {
            entry.digestList = ChooseAddress("dijest", evidence.digestList, false);
            if (!evidence.digestList)
                proposal_.found.push_back("dijest: no header names the digest list");
        }
        entry.description = ChooseDescription(evidence);
        if (proposal_.missing.empty())
            proposal_.entry = std::move(entry);
        return std::move(proposal_);
    }

  private:
    // The family the headers prove, or the one --type gives where they prove none,
    // or one of several they point to. A family is never guessed.
    std::optional<int> ChooseFamily() {
        const ListEvidence claims = GatherEvidence(headers_, std::nullopt);
        const auto& families = claims.families;
        const auto claimOf = [&](int type) {
            return std::ranges::find(families, type, &ListEvidence::FamilyClaim::serverType);
        };
        std::string said;
        for (const auto& claim : families)
            said += (said.empty() ? "" : "; ") + FamilyName(claim.serverType) + ", from " +
                    Quoted(claim.field, utf8_);
        if (choices_.serverType) {
            const int given = *choices_.serverType;
            if (!FindServerFamily(given)) {
                proposal_.missing.push_back("family: --type " + std::to_string(given) +
                                            " names no family; give " + FamilyChoices());
                return std::nullopt;
            }
            if (!families.empty() && claimOf(given) == families.end()) {
                proposal_.missing.push_back("family: the headers say " + said + ", not " +
                                            FamilyName(given) + " as --type says");
                return std::nullopt;
            }
            proposal_.found.push_back("family: " + FamilyName(given) + ", from --type" +
                                      (claimOf(given) != families.end()
                                           ? " and " + Quoted(claimOf(given)->field, utf8_)
                                           : ""));
            return given;
        }
        if (families.size() == 1) {
            proposal_.found.push_back("family: " + said);
            return families.front().serverType;
        }
        proposal_.missing.push_back(
            families.empty()
                ? "family: no header tells the list's server; give --type " + FamilyChoices()
                : "family: the headers point to more than one: " + said + "; give --type");
        return std::nullopt;
    }

    std::string ChooseName(const ListEvidence& evidence) {
        if (choices_.listName) {
            const std::string name(TrimBlanks(*choices_.listName));
            CheckName(name, "--name");
            proposal_.found.push_back("name: " + name + ", from --name");
            return name;
        }
        if (!evidence.listName) {
            proposal_.missing.push_back("name: no header names the list; give --name");
            return {};
        }
        const std::optional<std::string> decoded =
            DecodeHeaderText(evidence.listName->value, utf8_);
        if (!decoded) {
            proposal_.missing.push_back("name: " + evidence.listName->header +
                                        " cannot be written in Shift-JIS; give --name");
            return {};
        }
        const std::string name(TrimBlanks(*decoded));
        CheckName(name, evidence.listName->header);
        proposal_.found.push_back("name: " + name + ", from " + evidence.listName->header);
        return name;
    }

    void CheckName(const std::string& name, const std::string& source) {
        if (name.empty())
            proposal_.missing.push_back("name: " + source + " gives an empty name; give --name");
        else if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            proposal_.missing.push_back("name: " + source + " holds a line break; give --name");
    }

    // An address is ASCII without blanks, and no longer than the program reads: cut,
    // it would send the command mails somewhere else.
    std::string ChooseAddress(const std::string& what, const std::optional<Fact>& fact,
                              bool required) {
        if (!fact) {
            if (required)
                proposal_.missing.push_back(what + ": no header names it");
            return {};
        }
        const std::string& address = fact->value;
        const bool plain = std::ranges::all_of(address, [](char byte) {
            const auto code = static_cast<unsigned char>(byte);
            return code > 0x20 && code < 0x7F;
        });
        if (!plain || address.empty()) {
            proposal_.missing.push_back(what + ": " + fact->header + " gives no plain address");
            return {};
        }
        if (address.size() > kLongestValue) {
            proposal_.missing.push_back(what + ": " + address + " is longer than the " +
                                        std::to_string(kLongestValue) +
                                        " bytes Pivlon reads, from " + fact->header);
            return {};
        }
        proposal_.found.push_back(what + ": " + address + ", from " + fact->header);
        return address;
    }

    // The description's lines, each cut between characters into lines of at most
    // the length the program reads, so that none of it is lost.
    std::vector<std::string> ChooseDescription(const ListEvidence& evidence) {
        if (!evidence.description) {
            proposal_.found.push_back("description: none in the headers");
            return {};
        }
        const std::optional<std::string> decoded =
            DecodeHeaderText(evidence.description->value, utf8_);
        if (!decoded) {
            proposal_.missing.push_back("description: " + evidence.description->header +
                                        " cannot be written in Shift-JIS");
            return {};
        }
        std::vector<std::string> lines;
        std::string_view text = *decoded;
        while (!text.empty()) {
            const std::size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
            for (std::string_view rest = TrimBlanks(text.substr(0, lineEnd)); !rest.empty();) {
                const std::string_view piece = sjis::CutToWholeChars(rest, kLongestValue);
                lines.emplace_back(TrimBlanks(piece));
                rest = TrimBlanks(rest.substr(piece.size()));
            }
            text.remove_prefix(std::min(lineEnd + 1, text.size()));
        }
        proposal_.found.push_back("description: " + std::to_string(lines.size()) +
                                  (lines.size() == 1 ? " line" : " lines") + ", from " +
                                  evidence.description->header);
        return lines;
    }

    const HeaderBlock& headers_;
    const ImportChoices& choices_;
    const Utf8Converter& utf8_;
    EntryProposal proposal_;
};

}  // namespace

EntryProposal ProposeEntry(const HeaderBlock& headers, const ImportChoices& choices,
                           const Utf8Converter& utf8) {
    return Proposer(headers, choices, utf8).Propose();
}

}  // namespace pivlon
