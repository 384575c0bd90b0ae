#include "dxcc/Entity.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Result = Dxcc::Lookup::Result;

// A day on which every entity named here existed.
constexpr const char* kToday = "20230601";

Dxcc::Lookup At(const std::string& call, const std::string& date = kToday,
                const std::string& time = "1200")
{
    return Dxcc::LookUpEntity(call, date, time);
}

int DxccOf(const std::string& call)
{
    const Dxcc::Lookup lookup = At(call);
    return lookup.result == Result::Found ? lookup.entity.dxcc : -1;
}

TEST(EntityLookup, AnEntityHasItsAdifNameContinentAndZones)
{
    const Dxcc::Lookup germany = At("DL1ABC");
    ASSERT_EQ(germany.result, Result::Found);
    EXPECT_EQ(germany.entity.dxcc, 230);
    EXPECT_EQ(germany.entity.name, "FEDERAL REPUBLIC OF GERMANY");
    EXPECT_EQ(germany.entity.continent, "EU");
    EXPECT_EQ(germany.entity.cqZone, 14);
    EXPECT_EQ(germany.entity.ituZone, 28);
    // Zones of its own where the prefix has them: the two coasts of one entity.
    EXPECT_EQ(At("W1ABC").entity.cqZone, 5);
    EXPECT_EQ(At("W6ABC").entity.cqZone, 3);
    EXPECT_EQ(At("W6ABC").entity.dxcc, At("W1ABC").entity.dxcc);
    // A region counted apart only for WAE keeps its continent within its entity.
    const Dxcc::Lookup africanItaly = At("IG9ABC");
    EXPECT_EQ(africanItaly.entity.dxcc, 248);
    EXPECT_EQ(africanItaly.entity.continent, "AF");
    EXPECT_EQ(At("I1ABC").entity.continent, "EU");
}

TEST(EntityLookup, AnExactCallsignComesBeforeTheLongestPrefix)
{
    EXPECT_EQ(DxccOf("3D2CR"), 489);  // Conway Reef, listed by its callsign
    EXPECT_EQ(DxccOf("3D2CRX"), 176); // Fiji: only the whole callsign is exact
    EXPECT_EQ(DxccOf("3D2ABC"), 176);
    // The longest prefix that fits, whatever shorter ones fit too.
    EXPECT_EQ(DxccOf("KH6ABC"), 110); // Hawaii, not the United States of K
    EXPECT_EQ(DxccOf("K6ABC"), 291);
    EXPECT_EQ(DxccOf("EA8ABC"), 29); // Canary Islands, not Spain
    EXPECT_EQ(DxccOf("EA1ABC"), 281);
    EXPECT_EQ(DxccOf("VP2EA"), 12); // Anguilla and Montserrat share VP2
    EXPECT_EQ(DxccOf("VP2MA"), 96);
    EXPECT_EQ(DxccOf("K"), 291); // a prefix alone is as good
}

TEST(EntityLookup, ACallsignNoPrefixFitsHasNoEntity)
{
    EXPECT_EQ(At("QQ1ABC").result, Result::NoEntity);
    EXPECT_EQ(At("Q/DL1ABC").result, Result::NoEntity); // a place no prefix names
}

TEST(EntityLookup, APrefixBeforeTheCallsignNamesWhereTheStationIs)
{
    EXPECT_EQ(DxccOf("F/DL1ABC"), 227);
    EXPECT_EQ(DxccOf("KH6/W1AW"), 110);
    EXPECT_EQ(DxccOf("EA8/DL1ABC/P"), 29);
    EXPECT_EQ(DxccOf("VP2E/W1AW"), 12); // a prefix of the table, though shaped like a call
    EXPECT_EQ(At("KH6/W1AW").entity.cqZone, 31);
}

TEST(EntityLookup, SuffixesThatSayHowTheStationWorksChangeNothing)
{
    for (const char* call :
         {"DL1ABC/P", "DL1ABC/M", "DL1ABC/A", "DL1ABC/QRP", "DL1ABC/QRPP", "DL1ABC/P/QRP"})
        EXPECT_EQ(DxccOf(call), 230) << call;
    // An exact callsign of the table with them too, and as the table writes it.
    EXPECT_EQ(DxccOf("3D2CR/P"), 489);
    EXPECT_EQ(DxccOf("3D2AG/P"), 460);
}

TEST(EntityLookup, ADigitAfterTheCallsignCountsOnlyWhereItCannotChangeTheEntity)
{
    EXPECT_EQ(DxccOf("W1AW/4"), 291);
    EXPECT_EQ(At("W1AW/6").entity.cqZone, 3); // the zones of the area it names
    EXPECT_EQ(DxccOf("DL1ABC/2"), 230);
    // Asiatic Russia moved to call area 1, which is European Russia.
    EXPECT_EQ(At("UA9ABC/1").result, Result::Ambiguous);
    EXPECT_EQ(At("KH6ABC/4").result, Result::Ambiguous); // Hawaii, or Midway as KH4
    EXPECT_EQ(At("DL1ABC/4/5").result, Result::Ambiguous);
}

TEST(EntityLookup, MaritimeAndAeronauticalMobileAreNoEntity)
{
    EXPECT_EQ(At("DL1ABC/MM").result, Result::Mobile);
    EXPECT_EQ(At("W1AW/AM").result, Result::Mobile);
    EXPECT_EQ(At("DL1ABC/MM/QRP").result, Result::Mobile);
    EXPECT_EQ(At("N2NL/MM").result, Result::Mobile); // though the table lists it
    EXPECT_EQ(DxccOf("MM0ABC"), 279);                // MM as a prefix is Scotland
}

TEST(EntityLookup, PartsThatGiveNoSingleAnswerGiveNone)
{
    for (const char* call :
         {"W1AW/KH6", "DL1ABC/F", "DL1ABC/W1AW", "F/EA8/DL1ABC", "DL1ABC//P", "F/KH6"})
        EXPECT_EQ(At(call).result, Result::Ambiguous) << call;
    // A part after the callsign that names the same entity leaves no doubt.
    EXPECT_EQ(DxccOf("DL1ABC/DL"), 230);
}

TEST(EntityLookup, AnEntityCountsOnlyFromTheMinuteItBegan)
{
    // Curacao from 2010-10-10 04:00 UTC.
    EXPECT_EQ(At("PJ2T", "20101010", "0359").result, Result::NotOnDate);
    EXPECT_EQ(At("PJ2T", "20101010", "0359").entity.dxcc, 517);
    EXPECT_EQ(At("PJ2T", "20101010", "0400").result, Result::Found);
    EXPECT_EQ(At("PJ2T", "20101010", "").result, Result::Ambiguous); // that day, no time
    EXPECT_EQ(At("PJ2T", "20101009", "").result, Result::NotOnDate);
    EXPECT_EQ(At("PJ2T", "20101011", "").result, Result::Found);
    // The Federal Republic of Germany as DXCC counts it, from 1973-09-17 00:00.
    EXPECT_EQ(At("DL1ABC", "19730916", "2359").result, Result::NotOnDate);
    EXPECT_EQ(At("DL1ABC", "19730917", "").result, Result::Found);
    // An exact callsign too: ST0R is South Sudan, an entity since 2010-07-14.
    EXPECT_EQ(At("ST0R", "20100713", "1200").result, Result::NotOnDate);
    EXPECT_EQ(At("ST0R", "20100713", "1200").entity.dxcc, 521);
    EXPECT_EQ(At("ST0R", "20100714", "0000").result, Result::Found);
    EXPECT_EQ(DxccOf("ST2AB"), 466); // Sudan's prefix is not held by the exact call
}

// Y2 to Y9 were the German Democratic Republic's until 1990-10-03: before,
// such a call is not taken for Germany, which held other prefixes then.
TEST(EntityLookup, APrefixOfADeletedEntityIsNotTakenForItsNewOwnerBeforeTheChange)
{
    EXPECT_EQ(At("Y21ABC", "19901002", "2359").result, Result::Ambiguous);
    EXPECT_EQ(At("DM2ABC", "19751231", "1200").result, Result::Ambiguous);
    EXPECT_EQ(At("Y21ABC", "19901003", "0000").entity.dxcc, 230);
    EXPECT_EQ(At("DL1ABC", "19901002", "1200").entity.dxcc, 230);
}

TEST(EntityLookup, ADateThatIsNotRealHasNothingToLookUpBy)
{
    for (const char* date : {"", "20230230", "19000229", "2023061", "2023-06-01", "20231301"})
        EXPECT_EQ(At("DL1ABC", date).result, Result::NoDate) << date;
    EXPECT_EQ(At("DL1ABC", "20000229").result, Result::Found);
    // Where the callsign has no entity, the date does not matter.
    EXPECT_EQ(At("QQ1ABC", "").result, Result::NoEntity);
}

TEST(EntityLookup, TheTableNamesItsSources)
{
    const std::string sources(Dxcc::EntityTableSources());
    EXPECT_TRUE(sources.starts_with("hamradio-files ")) << sources;
    EXPECT_NE(sources.find(", trustedqsl "), std::string::npos) << sources;
}

} // namespace
