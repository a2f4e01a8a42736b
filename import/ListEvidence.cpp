#include "import/ListEvidence.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "catalog/ProfileLine.h"
#include "catalog/ShiftJis.h"
#include "command/CommandRequest.h"
#include "import/ListId.h"
#include "import/MailAddress.h"
#include "import/MailtoUri.h"
#include "tables/ServerFamilies.h"

// What each server family writes into the mails it delivers, as their public
// sources show it:
//
// fml 4 (fmlorg/fml4): proc/libdist.pl DoDistribute adds "X-MLServer: $Rcsid" (the
// version, "fml [fml 4.0.3 release ...]"), X-ML-Name from $XMLNAME ("X-ML-Name:
// Elena" in cf/MANIFEST: the list's name), X-Mail-Count and X-ML-Info; X-ML-Info
// (kern/fml.pl GenXMLInfo) names the command address, "help=<mailto:ADDR?body=help>",
// for members. With $USE_RFC2369, kern/libkernsubr2.pl EmulRFC2369 adds List-ID (the
// bare "list.domain"), List-Software ($rcsid), List-Post, List-Owner, and List-Help
// and List-Unsubscribe as mailto: URIs to $CONTROL_ADDRESS (the -ctl address).
// fml 8 (fmlorg/fml8): lib/FML/Header.pm add_fml_ml_name (X-ML-Name),
// add_software_info ("X-MLServer" and "List-Software", both the fml version),
// add_rfc2369 (List-ID "NAME mailing list <list.domain>", List-Help, List-Subscribe
// and List-UnSubscribe as mailto: URIs to the command address).
// X-ML-Name alone proves nothing: QuickML writes X-ML-Name, X-ML-Info and X-Mail-Count
// too, with X-QuickML and no X-MLServer.
//
// Majordomo 1 (Distrotech/majordomo): resend parse_header adds "Sender: $sender", the
// list's `sender` setting, "owner-LIST" by default (config_parse.pl %known_keys),
// qualified with the list host; no List-* field, unless the owner adds some through
// `message_headers`. The command address is $whoami, Majordomo@ that host by
// default. A digest (digest, send_digest) comes with "Sender: owner-LIST-digest@HOST"
// and Reply-To the list without "-digest" (config_parse.pl, `reply_to` of a -digest
// list). Its own replies (majordomo.pl, main'sendmail) carry From: and Reply-To: both
// $whoami.
// Majordomo 2 (jasontibbitts/majordomo): lib/Mj/Resend.pm _post adds "Sender: $sender",
// "$LIST-owner" by default, and the subject prefix "[$LIST]" (lib/mj_cf_defs.pl); it
// writes no List-* field of its own and removes those of incoming mail
// (`delete_headers`).
namespace pivlon {
namespace {

// What one field tells when it proves a family.
struct Clue {
    Fact field;
    std::optional<Fact> listName;
    std::optional<Fact> commandAddress;
    std::optional<Fact> digestList;
};

using ClueReader = std::optional<Clue> (*)(const HeaderBlock& headers);

Fact FactOf(std::string value, const HeaderField& field) {
    return {std::move(value), field.name};
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size() ||
        !sjis::EqualIgnoringAsciiCase(text.substr(0, word.size()), word))
        return false;
    return text.size() == word.size() ||
           !std::isalnum(static_cast<unsigned char>(text[word.size()]));
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           sjis::EqualIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           sjis::EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// The mailto: URIs of a field, parsed, with their field.
struct FieldUri {
    const HeaderField* field;
    MailtoUri uri;
};

std::vector<FieldUri> MailtoUris(const HeaderBlock& headers, std::string_view name) {
    std::vector<FieldUri> uris;
    if (const HeaderField* field = headers.Find(name)) {
        for (const std::string& text : ListHeaderUris(field->value)) {
            std::optional<MailtoUri> uri = ParseMailto(text);
            if (uri && !uri->to.empty())
                uris.push_back({field, std::move(*uri)});
        }
    }
    return uris;
}

// The RFC 2369 fields that lead to the command address, the one naming the list
// in its command first.
constexpr std::array<std::string_view, 3> kCommandFields{"List-Subscribe", "List-Unsubscribe",
                                                         "List-Help"};

std::vector<FieldUri> CommandUris(const HeaderBlock& headers) {
    std::vector<FieldUri> uris;
    for (std::string_view name : kCommandFields) {
        std::vector<FieldUri> more = MailtoUris(headers, name);
        uris.insert(uris.end(), more.begin(), more.end());
    }
    return uris;
}

std::optional<Fact> FirstCommandAddress(const std::vector<FieldUri>& uris) {
    if (uris.empty())
        return std::nullopt;
    return FactOf(uris.front().uri.to.front(), *uris.front().field);
}

std::optional<Fact> FieldFact(const HeaderBlock& headers, std::string_view name) {
    const HeaderField* field = headers.Find(name);
    if (!field || field->value.empty())
        return std::nullopt;
    return FactOf(field->value, *field);
}

// The local part of an address field's first address, or of a bare word: the
// default Reply-To of a Majordomo 1 digest is the list's name alone.
std::string_view LocalPartOf(const HeaderField* field, std::string& storage) {
    if (!field)
        return {};
    if (std::optional<std::string> address = FirstAddress(field->value)) {
        storage = std::move(*address);
        return SplitAddress(storage)->local;
    }
    return TrimBlanks(field->value);
}

// fml 4 and 8: the -ctl address in the RFC 2369 fields, else in X-ML-Info.
std::optional<Fact> FmlCommandAddress(const HeaderBlock& headers) {
    if (std::optional<Fact> address = FirstCommandAddress(CommandUris(headers)))
        return address;
    for (const FieldUri& found : MailtoUris(headers, "X-ML-Info")) {
        if (!found.uri.body.empty())
            return FactOf(found.uri.to.front(), *found.field);
    }
    return std::nullopt;
}

std::optional<Clue> FmlClue(const HeaderBlock& headers, std::string_view name) {
    const HeaderField* field = headers.Find(name);
    if (!field || !StartsWithWord(field->value, "fml"))
        return std::nullopt;
    return Clue{FactOf(field->value, *field), FieldFact(headers, "X-ML-Name"),
                FmlCommandAddress(headers), std::nullopt};
}

std::optional<Clue> FmlServerClue(const HeaderBlock& headers) {
    return FmlClue(headers, "X-MLServer");
}

std::optional<Clue> FmlSoftwareClue(const HeaderBlock& headers) {
    return FmlClue(headers, "List-Software");
}

bool IsMajordomoAddress(std::string_view address) {
    const std::optional<AddressParts> parts = SplitAddress(address);
    return parts && sjis::EqualIgnoringAsciiCase(parts->local, "majordomo");
}

// "subscribe LIST" or "unsubscribe LIST" in the body (or subject) of a URI.
std::optional<std::string> ListOfCommand(const MailtoUri& uri) {
    for (std::string_view command : {std::string_view(uri.body), std::string_view(uri.subject)}) {
        command = TrimBlanks(command.substr(0, command.find_first_of("\r\n")));
        const std::size_t blank = command.find_first_of(" \t");
        if (blank == std::string_view::npos)
            continue;
        const std::string_view verb = command.substr(0, blank);
        const std::string_view rest = TrimBlanks(command.substr(blank));
        const bool named = sjis::EqualIgnoringAsciiCase(verb, "subscribe") ||
                           sjis::EqualIgnoringAsciiCase(verb, "unsubscribe");
        if (named && !rest.empty())
            return std::string(rest.substr(0, rest.find_first_of(" \t")));
    }
    return std::nullopt;
}

// Majordomo 1 and 2, where the owner added RFC 2369 fields: mailto: URIs to
// majordomo@, with "subscribe LIST" as their command.
std::optional<Clue> MajordomoUriClue(const HeaderBlock& headers) {
    std::optional<Clue> clue;
    for (const FieldUri& found : CommandUris(headers)) {
        if (!IsMajordomoAddress(found.uri.to.front()))
            continue;
        if (!clue)
            clue = Clue{FactOf(found.field->value, *found.field), std::nullopt,
                        FactOf(found.uri.to.front(), *found.field), std::nullopt};
        if (std::optional<std::string> list = ListOfCommand(found.uri)) {
            clue->listName = FactOf(std::move(*list), *found.field);
            break;
        }
    }
    return clue;
}

struct SenderParts {
    const HeaderField* field;
    std::string address;
    std::string_view local;
    std::string_view domain;
};

std::optional<SenderParts> SenderOf(const HeaderBlock& headers) {
    const HeaderField* field = headers.Find("Sender");
    if (!field)
        return std::nullopt;
    std::optional<std::string> address = FirstAddress(field->value);
    if (!address)
        return std::nullopt;
    SenderParts sender{field, std::move(*address), {}, {}};
    const AddressParts parts = *SplitAddress(sender.address);
    sender.local = parts.local;
    sender.domain = parts.domain;
    return sender;
}

Fact MajordomoAt(std::string_view domain, const HeaderField& field) {
    return FactOf("majordomo@" + std::string(domain), field);
}

// Majordomo 1: "Sender: owner-LIST@HOST"; a digest's LIST ends in "-digest" and its
// Reply-To names the list itself.
std::optional<Clue> MajordomoOneClue(const HeaderBlock& headers) {
    constexpr std::string_view kOwner = "owner-";
    constexpr std::string_view kDigest = "-digest";
    const std::optional<SenderParts> sender = SenderOf(headers);
    if (!sender || !StartsWithIgnoringCase(sender->local, kOwner) ||
        sender->local.size() == kOwner.size())
        return std::nullopt;
    const std::string_view list = sender->local.substr(kOwner.size());
    Clue clue{FactOf(sender->field->value, *sender->field),
              FactOf(std::string(list), *sender->field),
              MajordomoAt(sender->domain, *sender->field), std::nullopt};
    std::string storage;
    const std::string_view replyTo = LocalPartOf(headers.Find("Reply-To"), storage);
    if (EndsWithIgnoringCase(list, kDigest) && list.size() > kDigest.size() &&
        sjis::EqualIgnoringAsciiCase(replyTo, list.substr(0, list.size() - kDigest.size()))) {
        clue.digestList = clue.listName;
        clue.listName = FactOf(std::string(replyTo), *headers.Find("Reply-To"));
    }
    return clue;
}

// Majordomo 2: "Sender: LIST-owner@HOST" together with its subject prefix "[LIST]".
std::optional<Clue> MajordomoTwoClue(const HeaderBlock& headers) {
    constexpr std::string_view kOwner = "-owner";
    const std::optional<SenderParts> sender = SenderOf(headers);
    const HeaderField* subject = headers.Find("Subject");
    if (!sender || !subject || !EndsWithIgnoringCase(sender->local, kOwner) ||
        sender->local.size() == kOwner.size())
        return std::nullopt;
    const std::string_view list = sender->local.substr(0, sender->local.size() - kOwner.size());
    const std::string prefix = "[" + std::string(list) + "]";
    const std::string_view text = subject->value;
    const bool tagged =
        std::search(text.begin(), text.end(), prefix.begin(), prefix.end(), [](char a, char b) {
            return sjis::EqualIgnoringAsciiCase({&a, 1}, {&b, 1});
        }) != text.end();
    if (!tagged)
        return std::nullopt;
    return Clue{FactOf(sender->field->value, *sender->field),
                FactOf(std::string(list), *sender->field),
                MajordomoAt(sender->domain, *sender->field), std::nullopt};
}

// Majordomo's own replies: From: and Reply-To: both majordomo@HOST.
std::optional<Clue> MajordomoReplyClue(const HeaderBlock& headers) {
    const HeaderField* from = headers.Find("From");
    const HeaderField* replyTo = headers.Find("Reply-To");
    if (!from || !replyTo)
        return std::nullopt;
    const std::optional<std::string> address = FirstAddress(from->value);
    const std::optional<std::string> replyAddress = FirstAddress(replyTo->value);
    if (!address || !replyAddress || !IsMajordomoAddress(*address) ||
        !sjis::EqualIgnoringAsciiCase(*address, *replyAddress))
        return std::nullopt;
    return Clue{FactOf(from->value, *from), std::nullopt, FactOf(*address, *from), std::nullopt};
}

struct FamilyRule {
    int serverType;
    ClueReader read;
};

// In the order of their weight within each family: the first that matches decides.
constexpr std::array<FamilyRule, 6> kFamilyRules{{
    {ServerType::FML, FmlServerClue},
    {ServerType::FML, FmlSoftwareClue},
    {ServerType::Majordomo, MajordomoUriClue},
    {ServerType::Majordomo, MajordomoOneClue},
    {ServerType::Majordomo, MajordomoTwoClue},
    {ServerType::Majordomo, MajordomoReplyClue},
}};

// Where a family's own fields say nothing, RFC 2369 and 2919 may.
void FillFromListFields(const HeaderBlock& headers, ListEvidence& evidence) {
    if (!evidence.commandAddress)
        evidence.commandAddress = FirstCommandAddress(CommandUris(headers));
    const HeaderField* field = headers.Find("List-Id");
    const std::optional<ListId> listId = field ? ParseListId(field->value) : std::nullopt;
    if (!listId)
        return;
    if (!evidence.listName)
        evidence.listName = FactOf(std::string(ListNameOfLabel(listId->label)), *field);
    if (!listId->description.empty())
        evidence.description = FactOf(listId->description, *field);
}

}  // namespace

ListEvidence GatherEvidence(const HeaderBlock& headers, std::optional<int> serverType) {
    ListEvidence evidence;
    std::optional<Clue> chosen;
    for (const FamilyRule& rule : kFamilyRules) {
        const bool claimed = std::ranges::any_of(evidence.families, [&](const auto& claim) {
            return claim.serverType == rule.serverType;
        });
        if (claimed)
            continue;
        if (std::optional<Clue> clue = rule.read(headers)) {
            evidence.families.push_back({rule.serverType, clue->field});
            if (serverType == rule.serverType)
                chosen = std::move(clue);
            else if (!serverType && evidence.families.size() == 1)
                chosen = std::move(clue);
        }
    }
    if (!serverType && evidence.families.size() != 1)
        chosen.reset();
    const int family = serverType
                           ? *serverType
                           : (evidence.families.size() == 1 ? evidence.families[0].serverType : 0);
    if (chosen) {
        evidence.listName = std::move(chosen->listName);
        evidence.commandAddress = std::move(chosen->commandAddress);
        const ServerFamily* row = FindServerFamily(family);
        if (row && row->digestIsOwnList)
            evidence.digestList = std::move(chosen->digestList);
    } else if (family == ServerType::FML) {
        evidence.listName = FieldFact(headers, "X-ML-Name");
        evidence.commandAddress = FmlCommandAddress(headers);
    }
    FillFromListFields(headers, evidence);
    return evidence;
}

}  // namespace pivlon
