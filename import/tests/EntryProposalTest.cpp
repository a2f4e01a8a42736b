#include <gtest/gtest.h>

#include <string>

#include "import/EntryProposal.h"
#include "import/MailHeader.h"
#include "platform/IconvUtf8Converter.h"

namespace pivlon {
namespace {

struct HeaderSet {
    const char* rule;
    std::string mail;
    std::string name;      // --name, empty for none
    int type;              // --type, 0 for none
    std::string section;   // the entry's section as it would be written; empty for none
    std::string evidence;  // part of a found line (with a section) or of a missing line
};

// Headers as the servers write them (see import/ListEvidence.cpp for where in their
// sources), with the entry or the message each must give.
const HeaderSet kHeaderSets[] = {
    {"fml 4.0 with RFC 2369 fields",
     "Return-Path: <elena-admin@example.jp>\n"
     "From: Yamada Taro <yamada@example.com>\n"
     "Subject: [elena:00123] hello\n"
     "X-ML-Name: elena\n"
     "X-Mail-Count: 00123\n"
     "X-MLServer: fml [fml 4.0.3 release (20011202/4.0.3)]; post only (only members can post)\n"
     "X-ML-Info: If you have a question, send e-mail with the body\n"
     "\t\"help\" (without quotes) to the address elena-ctl@example.jp;\n"
     "\thelp=<mailto:elena-ctl@example.jp?body=help>\n"
     "List-ID: elena.example.jp\n"
     "List-Software: fml [fml 4.0.3 release (20011202/4.0.3)]\n"
     "List-Post: <mailto:elena@example.jp>\n"
     "List-Owner: <mailto:elena-admin@example.jp>\n"
     "List-Help: <mailto:elena-ctl@example.jp?body=help>\n"
     "List-Unsubscribe: <mailto:elena-ctl@example.jp?body=unsubscribe>\n"
     "\nbody\n",
     "", 0, "[elena]\r\nType=2\r\nTo=elena-ctl@example.jp\r\n", "family: FML, from X-MLServer"},
    {"fml 4.0 without RFC 2369: the command address from X-ML-Info",
     "X-ML-Name: Elena\nX-Mail-Count: 00007\nX-MLServer: fml [fml 4.0.3 release]\n"
     "X-ML-Info: If you have a question, send e-mail with the body\n"
     "\t\"help\" (without quotes) to the address Elena-ctl@fml.org;\n"
     "\thelp=<mailto:Elena-ctl@fml.org?body=help>\n",
     "", 0, "[Elena]\r\nType=2\r\nTo=Elena-ctl@fml.org\r\n",
     "command address: Elena-ctl@fml.org, from X-ML-Info"},
    {"fml 4.0 to a non-member: X-ML-Info names the maintainer, not a command address",
     "X-ML-Name: elena\nX-MLServer: fml [fml 4.0.3 release]\n"
     "X-ML-Info: If you have a question,\n\tplease contact elena-admin@example.jp;\n"
     "\t<mailto:elena-admin@example.jp>\n",
     "", 0, "", "command address: no header names it"},
    {"fml 8, List-ID with its description, List-UnSubscribe as fml 8 spells it",
     "X-ML-Name: elena\nX-Mail-Count: 10\nX-MLServer: fml-devel 8.0.0 (20040625)\n"
     "List-Software: fml-devel 8.0.0 (20040625)\n"
     "List-ID: elena mailing list <elena.fml.org>\nList-Post: <mailto:elena@fml.org>\n"
     "List-Owner: <mailto:elena-admin@fml.org>\nList-Help: <mailto:elena-ctl@fml.org?body=help>\n"
     "List-UnSubscribe: <mailto:elena-ctl@fml.org?body=unsubscribe>\n",
     "", 0, "[elena]\r\nType=2\r\nTo=elena-ctl@fml.org\r\nInfo1=elena mailing list\r\n",
     "family: FML, from X-MLServer"},
    {"fml 8 by List-Software alone, description in ISO-2022-JP, name in Shift_JIS",
     "X-ML-Name: =?Shift_JIS?B?iWaJ5o1Egqs=?=\nList-Software: fml 8.0.3\n"
     "List-ID: =?ISO-2022-JP?B?GyRCMUcyaCRONDZBWyRyOGwkajlnJCYlaiU5JUgkRyQ5GyhC?=\n"
     "  <eiga.ml.example.jp>\nList-Help: <mailto:eiga-ctl@ml.example.jp?body=help>\n",
     "", 0,
     "[\x89\x66\x89\xE6\x8D\x44\x82\xAB]\r\nType=2\r\nTo=eiga-ctl@ml.example.jp\r\n"
     "Info1=\x89\x66\x89\xE6\x82\xCC\x8A\xB4\x91\x7A\x82\xF0\x8C\xEA\x82\xE8\x8D\x87\x82\xA4"
     "\x83\x8A\x83\x58\x83\x67\x82\xC5\x82\xB7\r\n",
     "family: FML, from List-Software"},
    {"names in any case, folded lines, the first of a repeated field",
     "x-ml-NAME: first\nX-ML-Name: second\nx-mlserver: fml\n [fml 4.0.3]\n"
     "LIST-HELP:\n <mailto:first-ctl@example.jp?body=help>\n",
     "", 0, "[first]\r\nType=2\r\nTo=first-ctl@example.jp\r\n", "name: first, from x-ml-NAME"},
    {"QuickML writes X-ML-Name and X-ML-Info too, but it is not FML",
     "X-ML-Address: party@quickml.example.com\nX-ML-Name: party\n"
     "X-ML-Info: http://quickml.example.com/\nX-QuickML: true\nX-Mail-Count: 3\n",
     "", 0, "", "family: no header tells the list's server"},
    {"Majordomo 1.94: Sender: owner-LIST, majordomo@ at the list's host",
     "From: someone@example.org\nTo: pivlon-users@lists.example.org\nSubject: question\n"
     "Sender: owner-pivlon-users@lists.example.org\nPrecedence: bulk\n",
     "", 0, "[pivlon-users]\r\nType=1\r\nTo=majordomo@lists.example.org\r\n",
     "dijest: no header names the digest list"},
    {"Majordomo 1.94 digest: the digest list and, in Reply-To, the list",
     "From: owner-pivlon-users-digest@lists.example.org (pivlon-users-digest)\n"
     "To: pivlon-users-digest@lists.example.org\nSubject: pivlon-users-digest V1 #12\n"
     "Reply-To: pivlon-users\nSender: owner-pivlon-users-digest@lists.example.org\n"
     "Errors-To: owner-pivlon-users-digest@lists.example.org\nPrecedence: bulk\n",
     "", 0,
     "[pivlon-users]\r\nType=1\r\nTo=majordomo@lists.example.org\r\n"
     "dijest=pivlon-users-digest\r\n",
     "dijest: pivlon-users-digest, from Sender"},
    {"Majordomo with RFC 2369 fields added by its owner, description in EUC-JP",
     "Sender: owner-pivlon-users@lists.example.org\n"
     "List-Subscribe: <mailto:majordomo@lists.example.org?body=subscribe%20pivlon-users>\n"
     "List-Id: =?EUC-JP?B?zfjN0bzUjtiOvY7E?= <pivlon-users.lists.example.org>\n",
     "", 0,
     "[pivlon-users]\r\nType=1\r\nTo=majordomo@lists.example.org\r\n"
     "Info1=\x97\x98\x97\x70\x8E\xD2\xD8\xBD\xC4\r\n",
     "family: Majordomo, from List-Subscribe"},
    {"Majordomo 2: Sender: LIST-owner with the subject prefix [LIST]",
     "Subject: [hiking] Next walk\nSender: hiking-owner@mj2.example.net\nPrecedence: bulk\n", "", 0,
     "[hiking]\r\nType=1\r\nTo=majordomo@mj2.example.net\r\n", "family: Majordomo, from Sender"},
    {"LIST-owner without the subject prefix proves nothing",
     "Subject: Next walk\nSender: hiking-owner@example.net\n", "", 0, "",
     "family: no header tells"},
    {"a Majordomo reply names no list",
     "From: Majordomo@mj2.example.net\nReply-To: Majordomo@mj2.example.net\n"
     "Subject: Welcome to hiking\nX-Loop: majordomo\n",
     "", 0, "", "name: no header names the list; give --name"},
    {"--name settles the name of a Majordomo reply",
     "From: Majordomo@mj2.example.net\nReply-To: Majordomo@mj2.example.net\n", "hiking", 0,
     "[hiking]\r\nType=1\r\nTo=Majordomo@mj2.example.net\r\n", "name: hiking, from --name"},
    {"Ecartis has List-Software and mailto: commands, and no family of ours",
     "Sender: linux-mips-bounce@linux-mips.org\n"
     "List-help: <mailto:ecartis@linux-mips.org?Subject=help>\n"
     "List-unsubscribe: <mailto:ecartis@linux-mips.org?subject=unsubscribe%20linux-mips>\n"
     "List-software: Ecartis version 1.0.0\n"
     "List-Id: linux-mips <linux-mips.eddie.linux-mips.org>\n",
     "", 0, "", "give --type 1 (Majordomo), 2 (FML), 3 (CML)"},
    {"--type settles a family the headers leave open; the rest from RFC 2369 and 2919",
     "List-Id: =?UTF-8?B?5bGx5q2p44GN44Gu5Lya44Gu6YCj57Wh55So44Oq44K544OI?= "
     "<hiking.cml.example.jp>\n"
     "List-Help: <mailto:hiking@cml.example.jp?subject=help>\n",
     "", 3,
     "[hiking]\r\nType=3\r\nTo=hiking@cml.example.jp\r\n"
     "Info1=\x8E\x52\x95\xE0\x82\xAB\x82\xCC\x89\xEF\x82\xCC\x98\x41\x97\x8D\x97\x70\x83\x8A\x83"
     "\x58\x83\x67\r\n",
     "family: CML, from --type"},
    {"--type never overrides what the headers prove",
     "X-ML-Name: elena\nX-MLServer: fml [fml 4.0.3]\n", "", 1, "",
     "family: the headers say FML, from X-MLServer: fml [fml 4.0.3], not Majordomo"},
    {"two families claimed: not guessed",
     "X-MLServer: fml [fml 4.0.3]\nSender: owner-elena@example.jp\n", "", 0, "",
     "family: the headers point to more than one"},
    {"--type names no family", "X-MLServer: fml\n", "", 4, "", "--type 4 names no family"},
    {"a description Shift-JIS cannot hold is refused",
     "X-MLServer: fml\nX-ML-Name: hike\nList-Help: <mailto:hike-ctl@example.jp?body=help>\n"
     "List-Id: =?UTF-8?B?SGlraW5nIPCfpb4=?= <hike.example.jp>\n",
     "", 0, "", "description: List-Id cannot be written in Shift-JIS"},
    {"a long description becomes lines the program reads whole",
     "X-MLServer: fml\nX-ML-Name: long\nList-Help: <mailto:long-ctl@example.jp?body=help>\n"
     "List-Id: \"" +
         std::string(100, 'a') + " " + std::string(50, 'b') + "\" <long.example.jp>\n",
     "", 0,
     "[long]\r\nType=2\r\nTo=long-ctl@example.jp\r\nInfo1=" + std::string(100, 'a') + " " +
         std::string(26, 'b') + "\r\nInfo2=" + std::string(24, 'b') + "\r\n",
     "description: 2 lines, from List-Id"},
    {"a command address longer than the program reads is refused, not cut",
     "X-MLServer: fml\nX-ML-Name: x\nList-Help: <mailto:" + std::string(120, 'c') +
         "@example.jp?body=help>\n",
     "", 0, "", "is longer than the 127 bytes Pivlon reads"},
    {"an encoded name that is not Shift-JIS", "X-MLServer: fml\nX-ML-Name: =?UTF-8?B?8J+lvg==?=\n",
     "", 0, "", "name: X-ML-Name cannot be written in Shift-JIS; give --name"},
    {"no list fields at all", "From: a@example.com\nSubject: hello\n", "", 0, "",
     "family: no header tells"},
};

TEST(EntryProposalTest, HeaderSetsAsTheServersWriteThem) {
    const IconvUtf8Converter utf8;
    for (const HeaderSet& set : kHeaderSets) {
        SCOPED_TRACE(set.rule);
        const MailReading reading = ReadHeaderBlock(set.mail);
        ASSERT_TRUE(reading.headers);
        ImportChoices choices;
        if (!set.name.empty())
            choices.listName = set.name;
        if (set.type != 0)
            choices.serverType = set.type;
        const EntryProposal proposal = ProposeEntry(*reading.headers, choices, utf8);
        const auto& lines = set.section.empty() ? proposal.missing : proposal.found;
        std::string all;
        for (const std::string& line : lines)
            all += line + "\n";
        EXPECT_NE(all.find(set.evidence), std::string::npos) << all;
        EXPECT_EQ(proposal.entry ? EntryText(*proposal.entry) : "", set.section);
        EXPECT_EQ(proposal.missing.empty(), proposal.entry.has_value());
    }
}

}  // namespace
}  // namespace pivlon
