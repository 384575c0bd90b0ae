// Made by make-entity-table.py from hamradio-files 20230502, trustedqsl 2.6.5-2; do not edit.
// The prefixes come from the country files of Jim Reisert AD1C, cty.csv
// (Copyright (c) 1994- Jim Reisert AD1C, MIT licence: DataLicenses.txt).
#include "dxcc/EntityTable.h"

#include <iterator>

namespace Dxcc::Table {

const std::string_view kSources = "hamradio-files 20230502, trustedqsl 2.6.5-2";

const EntityRow kEntities[] = {
    {"CANADA", 19451115, 0, 0, 0, 1},
    {"AFGHANISTAN", 19451115, 0, 0, 0, 3},
    {"AGALEGA & SAINT BRANDON ISLANDS", 19451115, 0, 0, 0, 4},
    {"ALAND ISLANDS", 19451115, 0, 0, 0, 5},
    {"ALASKA", 19451115, 0, 0, 0, 6},
    {"ALBANIA", 19451115, 0, 0, 0, 7},
    {"AMERICAN SAMOA", 19451115, 0, 0, 0, 9},
    {"AMSTERDAM & SAINT PAUL ISLANDS", 19451115, 0, 0, 0, 10},
    {"ANDAMAN & NICOBAR ISLANDS", 19451115, 0, 0, 0, 11},
    {"ANGUILLA", 19451115, 0, 0, 0, 12},
    {"ANTARCTICA", 19451115, 0, 0, 0, 13},
    {"ARMENIA", 19451115, 0, 0, 0, 14},
    {"ASIATIC RUSSIA", 19451115, 0, 0, 0, 15},
    {"NEW ZEALAND SUBANTARCTIC ISLANDS", 19451115, 0, 0, 0, 16},
    {"AVES ISLAND", 19451115, 0, 0, 0, 17},
    {"AZERBAIJAN", 19451115, 0, 0, 0, 18},
    {"BAKER & HOWLAND ISLANDS", 19451115, 0, 0, 0, 20},
    {"BALEARIC ISLANDS", 19451115, 0, 0, 0, 21},
    {"PALAU", 19451115, 0, 0, 0, 22},
    {"BOUVET ISLAND", 19451115, 0, 0, 0, 24},
    {"BELARUS", 19451115, 0, 0, 0, 27},
    {"CANARY ISLANDS", 19451115, 0, 0, 0, 29},
    {"CENTRAL KIRIBATI", 19451115, 0, 0, 0, 31},
    {"CEUTA & MELILLA", 19451115, 0, 0, 0, 32},
    {"CHAGOS ISLANDS", 19451115, 0, 0, 0, 33},
    {"CHATHAM ISLAND", 19451115, 0, 0, 0, 34},
    {"CHRISTMAS ISLAND", 19451115, 0, 0, 0, 35},
    {"CLIPPERTON ISLAND", 19451115, 0, 0, 0, 36},
    {"COCOS ISLAND", 19451115, 0, 0, 0, 37},
    {"COCOS (KEELING) ISLANDS", 19451115, 0, 0, 0, 38},
    {"CRETE", 19451115, 0, 0, 0, 40},
    {"CROZET ISLAND", 19451115, 0, 0, 0, 41},
    {"DESECHEO ISLAND", 19790301, 0, 0, 0, 43},
    {"DODECANESE", 19451115, 0, 0, 0, 45},
    {"EAST MALAYSIA", 19630916, 0, 0, 0, 46},
    {"EASTER ISLAND", 19451115, 0, 0, 0, 47},
    {"EASTERN KIRIBATI", 19451115, 0, 0, 0, 48},
    {"EQUATORIAL GUINEA", 19451115, 0, 0, 0, 49},
    {"MEXICO", 19451115, 0, 0, 0, 50},
    {"ERITREA", 19910524, 0, 0, 0, 51},
    {"ESTONIA", 19451115, 0, 0, 0, 52},
    {"ETHIOPIA", 19451115, 0, 0, 0, 53},
    {"EUROPEAN RUSSIA", 19451115, 0, 0, 0, 54},
    {"FERNANDO DE NORONHA", 19451115, 0, 0, 0, 56},
    {"BAHAMAS", 19451115, 0, 0, 0, 60},
    {"FRANZ JOSEF LAND", 19451115, 0, 0, 0, 61},
    {"BARBADOS", 19451115, 0, 0, 0, 62},
    {"FRENCH GUIANA", 19451115, 0, 0, 0, 63},
    {"BERMUDA", 19451115, 0, 0, 0, 64},
    {"BRITISH VIRGIN ISLANDS", 19451115, 0, 0, 0, 65},
    {"BELIZE", 19451115, 0, 0, 0, 66},
    {"CAYMAN ISLANDS", 19451115, 0, 0, 0, 69},
    {"CUBA", 19451115, 0, 0, 0, 70},
    {"GALAPAGOS ISLANDS", 19451115, 0, 0, 0, 71},
    {"DOMINICAN REPUBLIC", 19451115, 0, 0, 0, 72},
    {"EL SALVADOR", 19451115, 0, 0, 0, 74},
    {"GEORGIA", 19451115, 0, 0, 0, 75},
    {"GUATEMALA", 19451115, 0, 0, 0, 76},
    {"GRENADA", 19451115, 0, 0, 0, 77},
    {"HAITI", 19451115, 0, 0, 0, 78},
    {"GUADELOUPE", 19451115, 0, 0, 0, 79},
    {"HONDURAS", 19451115, 0, 0, 0, 80},
    {"JAMAICA", 19451115, 0, 0, 0, 82},
    {"MARTINIQUE", 19451115, 0, 0, 0, 84},
    {"NICARAGUA", 19451115, 0, 0, 0, 86},
    {"PANAMA", 19451115, 0, 0, 0, 88},
    {"TURKS & CAICOS ISLANDS", 19451115, 0, 0, 0, 89},
    {"TRINIDAD & TOBAGO", 19451115, 0, 0, 0, 90},
    {"ARUBA", 19860101, 0, 0, 0, 91},
    {"ANTIGUA & BARBUDA", 19451115, 0, 0, 0, 94},
    {"DOMINICA", 19451115, 0, 0, 0, 95},
    {"MONTSERRAT", 19451115, 0, 0, 0, 96},
    {"SAINT LUCIA", 19451115, 0, 0, 0, 97},
    {"SAINT VINCENT", 19451115, 0, 0, 0, 98},
    {"GLORIOSO ISLAND", 19600625, 0, 0, 0, 99},
    {"ARGENTINA", 19451115, 0, 0, 0, 100},
    {"GUAM", 19451115, 0, 0, 0, 103},
    {"BOLIVIA", 19451115, 0, 0, 0, 104},
    {"GUANTANAMO BAY", 19451115, 0, 0, 0, 105},
    {"GUERNSEY", 19451115, 0, 0, 0, 106},
    {"GUINEA", 19451115, 0, 0, 0, 107},
    {"BRAZIL", 19451115, 0, 0, 0, 108},
    {"GUINEA-BISSAU", 19451115, 0, 0, 0, 109},
    {"HAWAII", 19451115, 0, 0, 0, 110},
    {"HEARD ISLAND", 19451115, 0, 0, 0, 111},
    {"CHILE", 19451115, 0, 0, 0, 112},
    {"ISLE OF MAN", 19451115, 0, 0, 0, 114},
    {"COLOMBIA", 19451115, 0, 0, 0, 116},
    {"ITU HQ", 19451115, 0, 0, 0, 117},
    {"JAN MAYEN", 19451115, 0, 0, 0, 118},
    {"ECUADOR", 19451115, 0, 0, 0, 120},
    {"JERSEY", 19451115, 0, 0, 0, 122},
    {"JOHNSTON ISLAND", 19451115, 0, 0, 0, 123},
    {"JUAN DE NOVA, EUROPA", 19600625, 0, 0, 0, 124},
    {"JUAN FERNANDEZ ISLAND", 19451115, 0, 0, 0, 125},
    {"KALININGRAD", 19451115, 0, 0, 0, 126},
    {"GUYANA", 19451115, 0, 0, 0, 129},
    {"KAZAKHSTAN", 19451115, 0, 0, 0, 130},
    {"KERGUELEN ISLAND", 19451115, 0, 0, 0, 131},
    {"PARAGUAY", 19451115, 0, 0, 0, 132},
    {"KERMADEC ISLAND", 19451115, 0, 0, 0, 133},
    {"KYRGYZSTAN", 19451115, 0, 0, 0, 135},
    {"PERU", 19451115, 0, 0, 0, 136},
    {"REPUBLIC OF KOREA", 19451115, 0, 0, 0, 137},
    {"KURE ISLAND", 19451115, 0, 0, 0, 138},
    {"SURINAME", 19451115, 0, 0, 0, 140},
    {"FALKLAND ISLANDS", 19451115, 0, 0, 0, 141},
    {"LAKSHADWEEP ISLANDS", 19451115, 0, 0, 0, 142},
    {"LAOS", 19451115, 0, 0, 0, 143},
    {"URUGUAY", 19451115, 0, 0, 0, 144},
    {"LATVIA", 19451115, 0, 0, 0, 145},
    {"LITHUANIA", 19451115, 0, 0, 0, 146},
    {"LORD HOWE ISLAND", 19451115, 0, 0, 0, 147},
    {"VENEZUELA", 19451115, 0, 0, 0, 148},
    {"AZORES", 19451115, 0, 0, 0, 149},
    {"AUSTRALIA", 19451115, 0, 0, 0, 150},
    {"MACAO", 19451115, 0, 0, 0, 152},
    {"MACQUARIE ISLAND", 19451115, 0, 0, 0, 153},
    {"NAURU", 19451115, 0, 0, 0, 157},
    {"VANUATU", 19451115, 0, 0, 0, 158},
    {"MALDIVES", 19451115, 0, 0, 0, 159},
    {"TONGA", 19451115, 0, 0, 0, 160},
    {"MALPELO ISLAND", 19451115, 0, 0, 0, 161},
    {"NEW CALEDONIA", 19451115, 0, 0, 0, 162},
    {"PAPUA NEW GUINEA", 19750916, 0, 0, 0, 163},
    {"MAURITIUS ISLAND", 19451115, 0, 0, 0, 165},
    {"MARIANA ISLANDS", 19451115, 0, 0, 0, 166},
    {"MARKET REEF", 19451115, 0, 0, 0, 167},
    {"MARSHALL ISLANDS", 19451115, 0, 0, 0, 168},
    {"MAYOTTE ISLAND", 19451115, 0, 0, 0, 169},
    {"NEW ZEALAND", 19451115, 0, 0, 0, 170},
    {"MELLISH REEF", 19451115, 0, 0, 0, 171},
    {"PITCAIRN ISLAND", 19451115, 0, 0, 0, 172},
    {"MICRONESIA", 19810101, 0, 0, 0, 173},
    {"MIDWAY ISLAND", 19451115, 0, 0, 0, 174},
    {"FRENCH POLYNESIA", 19451115, 0, 0, 0, 175},
    {"FIJI ISLANDS", 19451115, 0, 0, 0, 176},
    {"MINAMI TORISHIMA", 19451115, 0, 0, 0, 177},
    {"MOLDOVA", 19451115, 0, 0, 0, 179},
    {"MOUNT ATHOS", 19451115, 0, 0, 0, 180},
    {"MOZAMBIQUE", 19451115, 0, 0, 0, 181},
    {"NAVASSA ISLAND", 19451115, 0, 0, 0, 182},
    {"SOLOMON ISLANDS", 19451115, 0, 0, 0, 185},
    {"NIGER", 19600803, 0, 0, 0, 187},
    {"NIUE", 19451115, 0, 0, 0, 188},
    {"NORFOLK ISLAND", 19451115, 0, 0, 0, 189},
    {"SAMOA", 19451115, 0, 0, 0, 190},
    {"NORTH COOK ISLANDS", 19451115, 0, 0, 0, 191},
    {"OGASAWARA", 19451115, 0, 0, 0, 192},
    {"ANNOBON", 19451115, 0, 0, 0, 195},
    {"PALMYRA & JARVIS ISLANDS", 19451115, 0, 0, 0, 197},
    {"PETER 1 ISLAND", 19451115, 0, 0, 0, 199},
    {"PRINCE EDWARD & MARION ISLANDS", 19451115, 0, 0, 0, 201},
    {"PUERTO RICO", 19451115, 0, 0, 0, 202},
    {"ANDORRA", 19451115, 0, 0, 0, 203},
    {"REVILLAGIGEDO", 19451115, 0, 0, 0, 204},
    {"ASCENSION ISLAND", 19451115, 0, 0, 0, 205},
    {"AUSTRIA", 19451115, 0, 0, 0, 206},
    {"RODRIGUEZ ISLAND", 19451115, 0, 0, 0, 207},
    {"BELGIUM", 19451115, 0, 0, 0, 209},
    {"SABLE ISLAND", 19451115, 0, 0, 0, 211},
    {"BULGARIA", 19451115, 0, 0, 0, 212},
    {"SAINT MARTIN", 19451115, 0, 0, 0, 213},
    {"CORSICA", 19451115, 0, 0, 0, 214},
    {"CYPRUS", 19451115, 0, 0, 0, 215},
    {"SAN ANDRES ISLAND", 19451115, 0, 0, 0, 216},
    {"SAN FELIX ISLAND", 19451115, 0, 0, 0, 217},
    {"SAO TOME & PRINCIPE", 19451115, 0, 0, 0, 219},
    {"DENMARK", 19451115, 0, 0, 0, 221},
    {"FAROE ISLANDS", 19451115, 0, 0, 0, 222},
    {"ENGLAND", 19451115, 0, 0, 0, 223},
    {"FINLAND", 19451115, 0, 0, 0, 224},
    {"SARDINIA", 19451115, 0, 0, 0, 225},
    {"FRANCE", 19451115, 0, 0, 0, 227},
    {"FEDERAL REPUBLIC OF GERMANY", 19730917, 0, 0, 0, 230},
    {"SOMALIA", 19451115, 0, 0, 0, 232},
    {"GIBRALTAR", 19451115, 0, 0, 0, 233},
    {"SOUTH COOK ISLANDS", 19451115, 0, 0, 0, 234},
    {"SOUTH GEORGIA ISLAND", 19451115, 0, 0, 0, 235},
    {"GREECE", 19451115, 0, 0, 0, 236},
    {"GREENLAND", 19451115, 0, 0, 0, 237},
    {"SOUTH ORKNEY ISLANDS", 19451115, 0, 0, 0, 238},
    {"HUNGARY", 19451115, 0, 0, 0, 239},
    {"SOUTH SANDWICH ISLANDS", 19451115, 0, 0, 0, 240},
    {"SOUTH SHETLAND ISLANDS", 19451115, 0, 0, 0, 241},
    {"ICELAND", 19451115, 0, 0, 0, 242},
    {"IRELAND", 19451115, 0, 0, 0, 245},
    {"SOVEREIGN MILITARY ORDER OF MALTA", 19451115, 0, 0, 0, 246},
    {"SPRATLY ISLANDS", 19451115, 0, 0, 0, 247},
    {"ITALY", 19451115, 0, 0, 0, 248},
    {"SAINT KITTS & NEVIS", 19580531, 0, 0, 0, 249},
    {"SAINT HELENA", 19451115, 0, 0, 0, 250},
    {"LIECHTENSTEIN", 19451115, 0, 0, 0, 251},
    {"SAINT PAUL ISLAND", 19451115, 0, 0, 0, 252},
    {"SAINT PETER AND PAUL ROCKS", 19451115, 0, 0, 0, 253},
    {"LUXEMBOURG", 19451115, 0, 0, 0, 254},
    {"MADEIRA ISLANDS", 19451115, 0, 0, 0, 256},
    {"MALTA", 19451115, 0, 0, 0, 257},
    {"SVALBARD", 19451115, 0, 0, 0, 259},
    {"MONACO", 19451115, 0, 0, 0, 260},
    {"TAJIKISTAN", 19451115, 0, 0, 0, 262},
    {"NETHERLANDS", 19451115, 0, 0, 0, 263},
    {"NORTHERN IRELAND", 19451115, 0, 0, 0, 265},
    {"NORWAY", 19451115, 0, 0, 0, 266},
    {"POLAND", 19451115, 0, 0, 0, 269},
    {"TOKELAU ISLANDS", 19451115, 0, 0, 0, 270},
    {"PORTUGAL", 19451115, 0, 0, 0, 272},
    {"TRINDADE & MARTIM VAZ ISLANDS", 19451115, 0, 0, 0, 273},
    {"TRISTAN DA CUNHA & GOUGH ISLANDS", 19451115, 0, 0, 0, 274},
    {"ROMANIA", 19451115, 0, 0, 0, 275},
    {"TROMELIN ISLAND", 19451115, 0, 0, 0, 276},
    {"SAINT PIERRE & MIQUELON", 19451115, 0, 0, 0, 277},
    {"SAN MARINO", 19451115, 0, 0, 0, 278},
    {"SCOTLAND", 19451115, 0, 0, 0, 279},
    {"TURKMENISTAN", 19451115, 0, 0, 0, 280},
    {"SPAIN", 19451115, 0, 0, 0, 281},
    {"TUVALU", 19760101, 0, 0, 0, 282},
    {"U K BASES ON CYPRUS", 19600816, 0, 0, 0, 283},
    {"SWEDEN", 19451115, 0, 0, 0, 284},
    {"US VIRGIN ISLANDS", 19451115, 0, 0, 0, 285},
    {"UGANDA", 19451115, 0, 0, 0, 286},
    {"SWITZERLAND", 19451115, 0, 0, 0, 287},
    {"UKRAINE", 19451115, 0, 0, 0, 288},
    {"UNITED NATIONS HQ", 19451115, 0, 0, 0, 289},
    {"UNITED STATES OF AMERICA", 19451115, 0, 0, 0, 291},
    {"UZBEKISTAN", 19451115, 0, 0, 0, 292},
    {"VIET NAM", 19451115, 0, 0, 0, 293},
    {"WALES", 19451115, 0, 0, 0, 294},
    {"VATICAN CITY", 19451115, 0, 0, 0, 295},
    {"SERBIA", 19451115, 0, 0, 0, 296},
    {"WAKE ISLAND", 19451115, 0, 0, 0, 297},
    {"WALLIS & FUTUNA ISLANDS", 19451115, 0, 0, 0, 298},
    {"WEST MALAYSIA", 19630916, 0, 0, 0, 299},
    {"WESTERN KIRIBATI", 19451115, 0, 0, 0, 301},
    {"WESTERN SAHARA", 19451115, 0, 0, 0, 302},
    {"WILLIS ISLAND", 19451115, 0, 0, 0, 303},
    {"BAHRAIN", 19451115, 0, 0, 0, 304},
    {"BANGLADESH", 19451115, 0, 0, 0, 305},
    {"BHUTAN", 19451115, 0, 0, 0, 306},
    {"COSTA RICA", 19451115, 0, 0, 0, 308},
    {"MYANMAR", 19451115, 0, 0, 0, 309},
    {"CAMBODIA", 19451115, 0, 0, 0, 312},
    {"SRI LANKA", 19451115, 0, 0, 0, 315},
    {"CHINA", 19451115, 0, 0, 0, 318},
    {"HONG KONG", 19451115, 0, 0, 0, 321},
    {"INDIA", 19451115, 0, 0, 0, 324},
    {"INDONESIA", 19451115, 0, 0, 0, 327},
    {"IRAN", 19451115, 0, 0, 0, 330},
    {"IRAQ", 19451115, 0, 0, 0, 333},
    {"ISRAEL", 19451115, 0, 0, 0, 336},
    {"JAPAN", 19451115, 0, 0, 0, 339},
    {"JORDAN", 19451115, 0, 0, 0, 342},
    {"DPRK (NORTH KOREA)", 19950514, 0, 0, 0, 344},
    {"BRUNEI", 19451115, 0, 0, 0, 345},
    {"KUWAIT", 19451115, 0, 0, 0, 348},
    {"LEBANON", 19451115, 0, 0, 0, 354},
    {"MONGOLIA", 19451115, 0, 0, 0, 363},
    {"NEPAL", 19451115, 0, 0, 0, 369},
    {"OMAN", 19451115, 0, 0, 0, 370},
    {"PAKISTAN", 19451115, 0, 0, 0, 372},
    {"PHILIPPINES", 19451115, 0, 0, 0, 375},
    {"QATAR", 19451115, 0, 0, 0, 376},
    {"SAUDI ARABIA", 19451115, 0, 0, 0, 378},
    {"SEYCHELLES ISLANDS", 19451115, 0, 0, 0, 379},
    {"SINGAPORE", 19650809, 0, 0, 0, 381},
    {"DJIBOUTI", 19451115, 0, 0, 0, 382},
    {"SYRIA", 19451115, 0, 0, 0, 384},
    {"TAIWAN", 19451115, 0, 0, 0, 386},
    {"THAILAND", 19451115, 0, 0, 0, 387},
    {"TURKEY", 19451115, 0, 0, 0, 390},
    {"UNITED ARAB EMIRATES", 19451115, 0, 0, 0, 391},
    {"ALGERIA", 19451115, 0, 0, 0, 400},
    {"ANGOLA", 19451115, 0, 0, 0, 401},
    {"BOTSWANA", 19451115, 0, 0, 0, 402},
    {"BURUNDI", 19620701, 0, 0, 0, 404},
    {"CAMEROON", 19451115, 0, 0, 0, 406},
    {"CENTRAL AFRICAN REPUBLIC", 19600813, 0, 0, 0, 408},
    {"CAPE VERDE", 19451115, 0, 0, 0, 409},
    {"CHAD", 19600811, 0, 0, 0, 410},
    {"COMOROS", 19750606, 0, 0, 0, 411},
    {"REPUBLIC OF THE CONGO", 19600815, 0, 0, 0, 412},
    {"DEMOCRATIC REPUBLIC OF THE CONGO", 19451115, 0, 0, 0, 414},
    {"BENIN", 19600801, 0, 0, 0, 416},
    {"GABON", 19600817, 0, 0, 0, 420},
    {"THE GAMBIA", 19451115, 0, 0, 0, 422},
    {"GHANA", 19570305, 0, 0, 0, 424},
    {"COTE D'IVOIRE", 19600807, 0, 0, 0, 428},
    {"KENYA", 19451115, 0, 0, 0, 430},
    {"LESOTHO", 19451115, 0, 0, 0, 432},
    {"LIBERIA", 19451115, 0, 0, 0, 434},
    {"LIBYA", 19451115, 0, 0, 0, 436},
    {"MADAGASCAR", 19451115, 0, 0, 0, 438},
    {"MALAWI", 19451115, 0, 0, 0, 440},
    {"MALI", 19600620, 0, 0, 0, 442},
    {"MAURITANIA", 19600620, 0, 0, 0, 444},
    {"MOROCCO", 19451115, 0, 0, 0, 446},
    {"NIGERIA", 19451115, 0, 0, 0, 450},
    {"ZIMBABWE", 19451115, 0, 0, 0, 452},
    {"REUNION ISLAND", 19451115, 0, 0, 0, 453},
    {"RWANDA", 19620701, 0, 0, 0, 454},
    {"SENEGAL", 19600620, 0, 0, 0, 456},
    {"SIERRA LEONE", 19451115, 0, 0, 0, 458},
    {"ROTUMA", 19451115, 0, 0, 0, 460},
    {"REPUBLIC OF SOUTH AFRICA", 19451115, 0, 0, 0, 462},
    {"NAMIBIA", 19451115, 0, 0, 0, 464},
    {"SUDAN", 19451115, 0, 0, 0, 466},
    {"KINGDOM OF ESWATINI", 19451115, 0, 0, 0, 468},
    {"TANZANIA", 19451115, 0, 0, 0, 470},
    {"TUNISIA", 19451115, 0, 0, 0, 474},
    {"EGYPT", 19451115, 0, 0, 0, 478},
    {"BURKINA FASO", 19600816, 0, 0, 0, 480},
    {"ZAMBIA", 19451115, 0, 0, 0, 482},
    {"TOGO", 19451115, 0, 0, 0, 483},
    {"CONWAY REEF", 19451115, 0, 0, 0, 489},
    {"BANABA ISLAND", 19451115, 0, 0, 0, 490},
    {"YEMEN", 19900522, 0, 0, 0, 492},
    {"CROATIA", 19910626, 0, 0, 0, 497},
    {"SLOVENIA", 19451115, 0, 0, 0, 499},
    {"BOSNIA-HERZEGOVINA", 19451115, 0, 0, 0, 501},
    {"NORTH MACEDONIA", 19910908, 0, 0, 0, 502},
    {"CZECH REPUBLIC", 19930101, 0, 0, 0, 503},
    {"SLOVAK REPUBLIC", 19930101, 0, 0, 0, 504},
    {"PRATAS ISLAND", 19940101, 0, 0, 0, 505},
    {"SCARBOROUGH REEF", 19950101, 0, 0, 0, 506},
    {"TEMOTU PROVINCE", 19980401, 0, 0, 0, 507},
    {"AUSTRAL ISLANDS", 19980401, 0, 0, 0, 508},
    {"MARQUESAS ISLANDS", 19451115, 0, 0, 0, 509},
    {"PALESTINE", 19990201, 0, 0, 0, 510},
    {"TIMOR - LESTE", 19451115, 0, 0, 0, 511},
    {"CHESTERFIELD ISLANDS", 19451115, 0, 0, 0, 512},
    {"DUCIE ISLAND", 19451115, 0, 0, 0, 513},
    {"MONTENEGRO", 20060628, 0, 0, 0, 514},
    {"SWAINS ISLAND", 20060722, 0, 0, 0, 515},
    {"SAINT BARTHELEMY", 20071214, 0, 0, 0, 516},
    {"CURACAO", 20101010, 0, 400, 0, 517},
    {"SINT MAARTEN", 20101010, 0, 400, 0, 518},
    {"SABA & SAINT EUSTATIUS", 20101010, 0, 400, 0, 519},
    {"BONAIRE", 20101010, 0, 400, 0, 520},
    {"REPUBLIC OF SOUTH SUDAN", 20100714, 0, 0, 0, 521},
    {"REPUBLIC OF KOSOVO", 20180121, 0, 0, 0, 522},
};

const Variant kVariants[] = {
    {224, 3, 6, 4},   {224, 5, 8, 4},   {243, 24, 43, 2}, {75, 13, 14, 6},  {75, 13, 16, 6},
    {224, 4, 7, 4},   {213, 14, 27, 3}, {227, 14, 27, 3}, {42, 16, 29, 3},  {12, 18, 31, 2},
    {4, 1, 1, 4},     {83, 31, 61, 5},  {224, 4, 8, 4},   {12, 17, 30, 2},  {12, 18, 32, 2},
    {12, 16, 30, 2},  {202, 14, 27, 3}, {243, 24, 33, 2}, {12, 19, 34, 2},  {243, 23, 43, 2},
    {12, 17, 20, 2},  {153, 8, 11, 4},  {270, 21, 39, 2}, {171, 15, 18, 3}, {174, 14, 28, 3},
    {189, 15, 28, 3}, {246, 28, 54, 5}, {42, 16, 19, 3},  {42, 16, 30, 3},  {215, 14, 37, 3},
    {243, 23, 42, 2}, {201, 14, 27, 3}, {42, 17, 30, 3},  {42, 17, 20, 3},  {95, 15, 29, 3},
    {243, 23, 33, 2}, {97, 17, 31, 2},  {243, 24, 44, 2}, {203, 14, 18, 3}, {21, 33, 36, 0},
    {0, 2, 4, 4},     {12, 19, 35, 2},  {76, 27, 64, 5},  {172, 15, 28, 3}, {218, 14, 18, 3},
    {34, 28, 54, 5},  {269, 20, 39, 2}, {12, 19, 23, 2},  {81, 11, 13, 6},  {222, 16, 29, 3},
    {219, 8, 11, 4},  {168, 14, 18, 3}, {170, 14, 27, 3}, {184, 13, 73, 6}, {10, 13, 73, 6},
    {17, 14, 37, 3},  {86, 14, 27, 3},  {126, 27, 64, 5}, {258, 21, 39, 2}, {43, 11, 13, 6},
    {81, 11, 15, 6},  {204, 15, 28, 3}, {179, 20, 28, 3}, {12, 23, 32, 2},  {30, 20, 28, 3},
    {63, 8, 11, 4},   {249, 20, 39, 2}, {12, 19, 25, 2},  {115, 29, 58, 5}, {42, 16, 20, 3},
    {115, 30, 59, 5}, {60, 8, 11, 4},   {0, 4, 4, 4},     {159, 14, 27, 3}, {325, 32, 63, 5},
    {12, 19, 33, 2},  {157, 15, 28, 3}, {10, 30, 71, 6},  {0, 5, 9, 4},     {12, 19, 24, 2},
    {23, 33, 37, 0},  {79, 14, 27, 3},  {137, 27, 90, 5}, {245, 22, 41, 2}, {33, 20, 28, 3},
    {10, 38, 67, 6},  {250, 25, 45, 2}, {326, 31, 63, 5}, {0, 4, 3, 4},     {303, 38, 57, 0},
    {115, 29, 55, 5}, {173, 14, 27, 3}, {262, 21, 39, 2}, {115, 30, 55, 5}, {12, 18, 22, 2},
    {112, 30, 60, 5}, {0, 3, 2, 4},     {91, 14, 27, 3},  {246, 28, 51, 5}, {0, 5, 4, 4},
    {194, 11, 13, 6}, {207, 11, 15, 6}, {145, 32, 60, 5}, {269, 20, 39, 3}, {38, 6, 10, 4},
    {85, 12, 16, 6},  {111, 15, 29, 3}, {316, 15, 28, 3}, {78, 8, 11, 4},   {93, 39, 53, 0},
    {123, 32, 56, 5}, {177, 32, 63, 5}, {188, 26, 50, 2}, {135, 32, 63, 5}, {10, 39, 69, 6},
    {103, 25, 44, 2}, {155, 6, 10, 4},  {85, 12, 14, 6},  {130, 32, 60, 5}, {147, 32, 62, 5},
    {298, 39, 53, 0}, {26, 29, 54, 5},  {6, 32, 62, 5},   {10, 12, 74, 6},  {29, 29, 54, 5},
    {197, 15, 28, 3}, {206, 14, 37, 3}, {229, 15, 28, 3}, {0, 4, 2, 4},     {10, 29, 70, 6},
    {97, 17, 30, 2},  {117, 30, 60, 5}, {333, 8, 11, 4},  {109, 13, 14, 6}, {129, 39, 53, 0},
    {302, 32, 56, 5}, {0, 1, 3, 4},     {3, 15, 18, 3},   {12, 18, 30, 2},  {12, 19, 30, 2},
    {53, 10, 12, 6},  {114, 14, 36, 3}, {162, 8, 11, 4},  {248, 21, 39, 2}, {110, 15, 29, 3},
    {147, 32, 63, 5}, {198, 40, 18, 3}, {210, 39, 53, 0}, {260, 27, 50, 5}, {47, 9, 12, 6},
    {74, 39, 53, 0},  {178, 13, 73, 6}, {186, 14, 27, 3}, {221, 14, 28, 3}, {232, 28, 54, 2},
    {10, 30, 70, 6},  {101, 17, 31, 2}, {164, 20, 39, 2}, {181, 13, 73, 6}, {196, 33, 36, 0},
    {280, 36, 52, 0}, {286, 35, 46, 0}, {304, 38, 57, 0}, {7, 39, 68, 0},   {10, 30, 74, 6},
    {35, 12, 63, 6},  {94, 12, 14, 6},  {122, 9, 12, 6},  {133, 27, 65, 5}, {166, 12, 14, 6},
    {182, 15, 28, 3}, {209, 20, 28, 3}, {235, 30, 55, 5}, {267, 24, 44, 2}, {271, 33, 37, 0},
    {322, 24, 44, 2}, {0, 2, 9, 4},     {10, 13, 74, 6},  {65, 7, 11, 4},   {165, 7, 11, 4},
    {225, 17, 30, 2}, {259, 21, 41, 2}, {332, 32, 62, 5}, {12, 40, 75, 2},  {42, 17, 19, 3},
    {52, 8, 11, 4},   {56, 21, 29, 2},  {81, 11, 12, 6},  {185, 40, 17, 3}, {243, 26, 44, 2},
    {261, 21, 39, 2}, {295, 33, 37, 0}, {317, 15, 28, 3}, {320, 15, 28, 3}, {329, 30, 56, 5},
    {0, 1, 2, 4},     {8, 26, 49, 2},   {10, 39, 67, 6},  {15, 21, 29, 2},  {19, 38, 67, 0},
    {27, 7, 10, 4},   {45, 40, 75, 3},  {77, 10, 14, 6},  {87, 9, 12, 6},   {139, 20, 28, 3},
    {223, 5, 8, 4},   {256, 23, 33, 2}, {281, 36, 52, 0}, {289, 35, 46, 0}, {330, 32, 63, 5},
    {12, 17, 21, 2},  {14, 8, 11, 4},   {88, 14, 28, 3},  {90, 10, 12, 6},  {92, 31, 61, 5},
    {98, 39, 68, 0},  {113, 9, 12, 6},  {121, 32, 62, 5}, {131, 30, 56, 5}, {176, 14, 37, 3},
    {211, 5, 9, 4},   {242, 22, 41, 2}, {247, 21, 40, 2}, {252, 25, 44, 2}, {254, 21, 39, 2},
    {263, 39, 53, 0}, {308, 33, 37, 0}, {313, 32, 56, 5}, {10, 12, 72, 6},  {10, 29, 69, 6},
    {16, 31, 61, 5},  {31, 39, 68, 0},  {40, 15, 29, 3},  {41, 37, 48, 0},  {64, 7, 11, 4},
    {102, 10, 12, 6}, {104, 31, 61, 5}, {107, 22, 41, 2}, {134, 31, 61, 5}, {138, 16, 29, 3},
    {148, 27, 45, 2}, {150, 31, 61, 5}, {152, 38, 57, 0}, {161, 20, 28, 3}, {189, 33, 37, 0},
    {230, 31, 65, 5}, {243, 23, 44, 2}, {255, 20, 39, 2}, {287, 37, 48, 0}, {309, 34, 38, 0},
    {20, 16, 29, 3},  {32, 8, 11, 4},   {48, 5, 11, 4},   {84, 39, 68, 0},  {100, 32, 60, 5},
    {140, 37, 53, 0}, {141, 8, 11, 4},  {169, 14, 18, 3}, {180, 40, 5, 4},  {183, 13, 73, 6},
    {226, 26, 49, 2}, {239, 7, 11, 4},  {256, 23, 32, 2}, {291, 39, 53, 0}, {297, 38, 53, 0},
    {305, 34, 48, 0}, {311, 36, 53, 0}, {315, 37, 48, 2}, {335, 8, 11, 4},  {1, 21, 40, 2},
    {2, 39, 53, 0},   {10, 32, 74, 6},  {12, 40, 30, 2},  {25, 32, 60, 5},  {28, 7, 11, 4},
    {42, 17, 29, 3},  {44, 8, 11, 4},   {55, 7, 11, 4},   {57, 7, 11, 4},   {59, 8, 11, 4},
    {61, 7, 11, 4},   {66, 8, 11, 4},   {67, 9, 11, 6},   {68, 9, 11, 6},   {72, 8, 11, 4},
    {96, 9, 12, 6},   {101, 17, 30, 2}, {108, 26, 49, 2}, {136, 32, 56, 5}, {142, 28, 51, 5},
    {154, 14, 27, 3}, {163, 15, 28, 3}, {165, 8, 11, 4},  {175, 37, 48, 0}, {192, 14, 28, 3},
    {195, 14, 27, 3}, {199, 14, 27, 3}, {200, 17, 30, 2}, {217, 20, 39, 2}, {218, 40, 18, 3},
    {228, 15, 28, 3}, {231, 32, 62, 5}, {236, 21, 39, 2}, {237, 22, 41, 2}, {240, 26, 49, 2},
    {264, 28, 54, 2}, {266, 20, 39, 2}, {268, 26, 49, 2}, {272, 36, 52, 0}, {273, 38, 57, 0},
    {284, 35, 46, 0}, {296, 35, 46, 0}, {300, 35, 46, 0}, {306, 38, 57, 0}, {307, 37, 53, 0},
    {318, 15, 28, 3}, {328, 28, 54, 5}, {336, 8, 11, 4},  {338, 34, 48, 0}, {5, 15, 28, 3},
    {9, 8, 11, 4},    {10, 32, 71, 6},  {10, 32, 72, 6},  {10, 39, 74, 6},  {11, 21, 29, 2},
    {12, 17, 31, 2},  {12, 29, 30, 2},  {13, 32, 60, 5},  {18, 27, 64, 5},  {22, 31, 62, 5},
    {24, 39, 41, 0},  {36, 31, 61, 5},  {37, 36, 47, 0},  {39, 37, 48, 0},  {42, 40, 29, 3},
    {46, 8, 11, 4},   {49, 8, 11, 4},   {50, 7, 11, 4},   {51, 8, 11, 4},   {54, 8, 11, 4},
    {58, 8, 11, 4},   {62, 8, 11, 4},   {69, 8, 11, 4},   {70, 8, 11, 4},   {71, 8, 11, 4},
    {73, 8, 11, 4},   {77, 10, 12, 6},  {80, 35, 46, 0},  {82, 35, 46, 0},  {89, 40, 18, 3},
    {95, 13, 29, 3},  {99, 11, 14, 6},  {105, 9, 12, 6},  {106, 13, 16, 6}, {110, 21, 29, 3},
    {116, 24, 44, 2}, {118, 31, 65, 5}, {119, 32, 56, 5}, {120, 22, 41, 2}, {124, 28, 51, 5},
    {125, 39, 53, 0}, {127, 15, 18, 3}, {128, 31, 65, 5}, {130, 34, 60, 5}, {132, 32, 63, 5},
    {143, 35, 46, 0}, {144, 32, 62, 5}, {146, 32, 62, 5}, {149, 36, 52, 0}, {151, 12, 72, 6},
    {156, 36, 66, 0}, {158, 39, 53, 0}, {160, 5, 9, 4},   {167, 36, 47, 0}, {187, 15, 28, 3},
    {189, 40, 28, 3}, {190, 8, 11, 4},  {191, 36, 66, 0}, {193, 5, 9, 4},   {204, 34, 28, 3},
    {205, 31, 62, 5}, {208, 38, 66, 0}, {212, 15, 28, 3}, {214, 17, 30, 2}, {216, 31, 65, 5},
    {220, 37, 48, 0}, {222, 9, 29, 3},  {222, 15, 29, 3}, {224, 7, 8, 4},   {233, 31, 65, 5},
    {234, 33, 46, 0}, {238, 22, 41, 2}, {241, 26, 49, 2}, {244, 24, 44, 2}, {251, 20, 39, 2},
    {253, 28, 54, 5}, {257, 22, 42, 2}, {265, 37, 48, 0}, {274, 36, 52, 0}, {275, 36, 47, 0},
    {276, 36, 47, 0}, {277, 35, 46, 0}, {278, 36, 47, 0}, {279, 39, 53, 0}, {282, 35, 46, 0},
    {283, 36, 52, 0}, {285, 35, 46, 0}, {288, 38, 57, 0}, {290, 34, 38, 0}, {292, 37, 53, 0},
    {293, 35, 46, 0}, {294, 35, 46, 0}, {299, 36, 52, 0}, {301, 35, 46, 0}, {310, 35, 46, 0},
    {312, 35, 46, 0}, {314, 31, 65, 5}, {315, 21, 39, 2}, {319, 15, 28, 3}, {321, 15, 28, 3},
    {323, 27, 50, 2}, {324, 32, 51, 5}, {327, 20, 39, 2}, {331, 15, 28, 3}, {334, 9, 11, 6},
    {337, 9, 11, 6},  {339, 15, 28, 3},
};

const std::string_view kExactCallsParts[] = {
    "a2E0CVN/NHS]gdGWD/P/LH]gbI0NGM/NHSqbM0BDRgfTgdCPNgdGFCgdSEGgePXgdVIKgdZETgc1ANTgeSQgdODLgc"
    "T]gbO0BADqeSEgeZBgdCDYheGMheJIheVEhdDAAheULheVPhdFER]+dHBOqeJSgeRVqdIDTheMPgeOBgeVGgdJBJhd"
    "LJMgdMFBqdOJAhdRMRheWFhdTOKgeRRheWAqdUAAhdVEPqeGWqeIMqdWAIqeDShdYLX]keYY/P]gdZJAheXMqc12Wh"
    "dMICgdSJBgbQ0ARE]+dBSAqfEgeZBgdCDYheGMheLJheVEhdDAAhg/MhdETBqdFER]+eYGgdGUIgg/70gdHEZqg/70"
    "qeJSgeRVqdIDTheMPgeOBgdJHYgg/70geOKgeVRgdKAUgg/70gdLDOgeRVhdMFBqeKGheRShdNIEqdOJAheTLhdRMR"
    "heWFhdSNTgg/70geVWheXGqdTAXgeOKgeRRheWAqdUAAhdVAYheEPqeIMqdWDSheMNqdXYL/P]gdYAY]|g/70]|eCG"
    "geLX]keYY/P]gdZXMqc1MICgdSJBgbR0BOOgeRRheSEgeXNgeZBgdCDYhfZheSSheVEhdDESgeRBheXRgdFYGgdGLI"
    "gdHJSgdIDTheMPgeOBgfM]keRZqg/PqeSMgdJVRgdKAUgg/PgePYqeYEqdMFBqdNCMgdODX]|eJAheXXgdPHPheJPh"
    "eTXqdREXheMDqeVHqeWFhdTCAqeMRqeRRheYGhdVAXqeEPqeIMqdWAIqeMNqdXTPheZAgdYCGgeKKhdZPSgc1MICgd"
    "SJBgc3SFChbSZ]gbU0ARE/2K]+bV0CDYheGMheLJheSBqeVLhdDAAheUNhdGMEheNGheULgdIOM]keVGgdJCHgdKAU"
    "geEDhdTAXgdWDShdYLX]kc1EPOhdHFEgdMICgdSJBga3A/4Z5KJ/LH{*bD20CR`tdAG/P^+dC`teI`teR`teY`tdEU"
    "^+dGC/P^+dHY/R^+dNV/P^+gR^+dR^+eA^+eI^+eO^+eR^+fR^+eX^+dVB/R^+c5X{!cA0BP/J{|bV8CB/J`sgYOTA"
    "`sdST/J`sbY/ZS6GCM_[c0C_[dE_[dJ_[dX|~c7GIA_[dTHA_[c8XSA]:c9SDA]:bZ1EE/LH]pc50KPN/FF]pa4C4C"
    "^ebJ5T/FF_@c7WMF/FF_@bK4K/FF_@c6AE/FF_@bL1W/FF_(bO0A^#c5W^#dZ^#bS7CGM/AVR`nbU/DA1KY^#dON6T"
    "T/M{ec0G^~dITU`edR]&c100QO]&eNPT]&d50ITU`ed8FIFA]&dA]&eIDS^~dET|adG^~dITU`edUN_|dVIC]&dWBb"
    "eED]&eRC`edXMAS]&c2STAYHOME]&dU]&dWRC`ec30VIC]&c500M]&eSPACE_|c60UN_|fO][d4UN_|c70UN_|eVIC"
    "]&d5A]&eUN_|cNR]&bX01T/FF]uc1FC/LH]udGO/LH]udIG/LH]udKS/LH]ueW/LH]udOM/LH]ueZ/LH]udRE/LH]u"
    "dST/LH]udVF/LH]udZM/LH]ueZ/LH]uc4FC/LH]ueR/LH]udYM/LH]uc5HF/LH]udIQ/LH]udMG/LH]uc6DK/LH]ud"
    "HP/LH]udRE/LH]udTT/JY1]udUT/LH]ueU/LH]udYA/LH]udZM/LH]ubY1A]&dCAO]~bZ1AR/LH]udDX/LH]ueZ/LH"
    "]udKD/LH]ueM/LH]udNB/LH]udZV/LH]uc4DX/ANT]ugJ]ugLGT]uhH]udHC/LH]udKJ/LH]ueX/LH]uc5DZ/LH]ud"
    "FL/LH]ueW/LH]udKJ/LGT]uhH]udNW/YL]udOT/LH]udSL/LH]uc8GZ/LH]ua5B/DJ5AA/LH_ddLY1DF/LGT_dc4AK"
    "V/EURO_ddPSG/J_ddSTA/J_dc8AP/LH_dbP0MF/LH]fc2X/LH]fc5CW/LH]fbZ4IC/Y2K`;dRT/Y2K`;a6K50ACS/C"
    "^pa7K1OUO/BY4AOH-bN2DAB/LH];c4RHO/BM];bO/DL7ZM{fc2A{fc6T{fbS0SFJ/LGT@iH@iS@c5LH/LH@c7KUL/L"
    "H@dSAN/LH@dV/LH@c8AAA]:bX2BDX/JOTA_uc5VRK/ND_ubZ1AL/ND]]eQ/ND]]dBL/ND]]dCQ/ND]]dSJ/ND]]eS/"
    "M/ND]]dTT/ND]]dUG/ND]]a8I77A]}bJ1RF_>f/M_>eL_>dZIU/JD1],c60JARE_>bN1AQ/JD1],dOGA`(c60HAM/O"
    "KA];bR1AK/LH{xbS0UN/LH@c6BUA/LH@dNAV/LH@dVAN/LH@c7GL/LH@dL/LH@eHJ/LH@c8ODEN{-h/MM{-bT2BH^o"
    "a9A/DL9CHR/LH^hdF5OGG/LH^hdIK3MZS/LH^heW3ILP/LH^hdOK1FZM/LH^hc0CI/LH^hc2MF/LH^hhT^hdWJ/LH^"
    "hc3FO/P/LH^hdKB/LH^heR/LH^hc5JR/LH^hdSM/YL^hdV/LH^hc6AA/LH^hdPBT/YL^hc70DP/KA^hhPU^hhRI^hh"
    "ZG^hdK/LH^hdSSY/LH^hbH1AW/EU25^zdEI/EU25^zdJN/EU25^zdMRL/EU25^zdRV/EU25^zdSP/EU25^zdVC/CGA"
    "^ziS^zgKHS^zj/P^zdZZ/EU25^zc4GRS/LH^zc9DSG/J^zdPSG/J^zdSEL/LH^zbK2BI/J`qhOTA`qdDB/CN8SG_-d"
    "OK/KACC`qbM0SEA_ac1CSQ[fS[c2/G3TMA/6[ePG5M^mi/6[eR6AF/6[dGCN/6[dMDX/6[c4ARD/6[dCAK[eBP[eCB"
    "[eHQ[eJN[eKR[fT[g/6[eMY[ePB[fT[eRB[fP[g/6[eSR[fS[eWS[dGCW[dJAY[eSE[dLHM[fS[eTW[dRSA[dSAB[e"
    "DX^meEB[eHQ[eJE[fO[fQ[fS[gA[gB[gD[gL[gM[gP[gT[gW[fX[eLL^meMO[fS[fY[eTA[eWK[c50IARU/6[j8[eM"
    "Q[fS[d1GW[eSB[d3QA[d7MS[fW[d8MS[fW[d9MS[fW[eSD[c6/LA6VM^mg7XK^meN1UR^meOH2YY^mePA0RRS/2_ae"
    "ZS6EZ/2_adXX/2_adYBG/2_ac7DX[c8DX/2_adSYA/2_ac9/7M2VPR[eCCL[bV0A^xbW2RCR/6[dVVH/6[c6KOM/2_"
    "adMAN/2_aaA35JP/H`jdTN/N`jgV`jdZG/H`jb41CK/ND]mdHA/ND]mdJM/ND]meR/RD]mdKA/ND]meB/ND]meC/ND"
    "]meJ/ND]meT/ND]mdLD/ND]mi/P]mgRD]mgSQ]meX/M/ND]mgND]mgRD]meZ/RD]mdMA/RD]meD/RD]meE/ND]meO/"
    "ND]mgRD]mgSQ]meX/ND]mdNN/ND]mi/P]meW/ND]mdOD/ND]meM/SQ]meO/ND]mi/M]meP/ND]meR/ND]mdPB/ND]m"
    "i/M]meG/M/ND]mgND]mgSQ]meH/ND]meJ/ND]meY/ND]mdRS/ND]mdWM/ND]mc5ND/ND/P]mdRS/ND]mdVU/ND]mdW"
    "H/MF]mgND]mgP/ND]meM/ND]meR/ND]mdXO/ND]mi/P]mgRD]meR/ND]meW/ND]mc7RK/ND]meS/JOTA]mgND]mgSQ"
    "]mb6050Y/1wh2wh3wh4wh5wh6wh7wh8wh9wdAAP/1wh2wh3wh4wh5wh6wh7wh8wh9weP/0wg1wg2wg3wg4wg5wg6wg"
    "7wg8wg9weRS/1wh2wh3wh4wh5wh6wh7wh8wh9wdBHR/0wh1wh2wh3wh4wh5wh6wh7wh8wh9wdCH/0wg1wg2wg3wg4w"
    "g5wg6wg7wg8wg9wdEMM/0wh1wh2wh3wh4wh5wh6wh7wh8wh9weXPO/0wi1wi2wi3wi4wi5wi6wi7wi8wi9wdFD/0wg"
    "1wg2wg3wg4wg5wg6wg7wg8wg9weIFA/0wi1wi2wi3wi4wi5wi6wi7wi8wi9wdHF/0wg1wg2wg3wg4wg5wg6wg7wg8w"
    "g9wdKWT/0wh1wh2wh3wh4wh5wh6wh7wh8wh9wdMD/0wg1wg2wg3wg4wg5wg6wg7wg8wg9wdNMT/1wh2wh3wh4wh5wh"
    "6wh7wh8wh9wdOMA/0wh1wh2wh3wh4wh5wh6wh7wh8wh9wdQATAR/0wj1wj2wj3wj4wj5wj6wj7wj8wj9wdSFD/1wh2"
    "wh3wh4wh5wh6wh7wh8wh9weH/1wg2wg3wg4wg5wg6wg7wg8wg9weTAYHOME/1wm2wm3wm4wm5wm6wm7wm8wm9wdWAR"
    "D/0wi1wi2wi3wi4wi5wi6wi7wi8wi9weSW/1wh2wh3wh4wh5wh6wh7wh8wh9weTIS/0wi1wi2wi3wi4wi5wi6wi7wi"
    "8wi9wdZHD/0wh1wh2wh3wh4wh5wh6wh7wh8wh9wc1B/NDweK/DMwgJJwgNDwdC/NDwdD/NDweA/MDweD/FDwgMDwgN"
    "DweJ/NDwdE/NDweI/ARSwdFJ/ARSwgFDwgNDweK/47NDwgFDwgMDwdHA/NDwdK/NDwdLL/NDwdM/NDwdN/NDwdQ/AR"
    "SwfFDwfMDwfNDweQ/NDwdR/NDweK/NDwdSM/NDwdZA/FDwc2ER/NDwgZM3wc5DC/FDwb71BX/NDQ_,dCM/ND_,eT/N"
    "DQ_,dEM/NDQ_,gQND_,dFJ/QND_,b92AA/GR{;bA0ELfdNNkdWXbc1ABbdIZ/BY1DX-dKS/FDRbgLHbgME33SbgUSI"
    "bdUQ]lc2TTldWN/BA4DW-dYL]ldZNvc3CMldYBbc6KYadMSfdTadYbc7DIleMadFLldLEldRXfdTUaeVkc8FYkdJAa"
    "c9JJ/MabB0ICkdJMldKG/KC4]'dWKkeSkc1GKmdUSbc2ABadDRvdHV]ldQH]lc3DPvdHRbdWSlc4COldKRbc5JBkc6"
    "APldWIlc7QCfdRTldSBadXOadYBkeOkc8EW=dVQldXXkc9GWbdHF]ldOH^weMkeQ]lbC0CWbdFG=dHfdIFfc1Hbc2H"
    "bdUJkc3DFkc4PJldTJlc5AZadXKbdZYkc6HadMSac7AaeBfdEVkdHadLRadNbdWL=c8CP]ldHmdPNmc9HmdPTldQXk"
    "bD0DKkdFQkdZLkc1Lbc3BJkc4BLmdMMbc5KT]ldPTkdSfdXXfc6GCkdYJleP]lc7MFkdVVkbE0RAkc1DJkc3TTlc4Q"
    "HkdRMbc5ABldCPkdEXkdFNkdIRkdLRlc6CAadDU]ldFKkdIadQEmeZ=c7AEadCA=dESkdKSkdLNfdQRldSBkbF4IN]"
    "ldKH]ldOUvc5IZvdSfc6EO]lc7DQkeXadFVkdMN^wdUMkbG4CDvdFHldWRbc5LNkeTldOFkc6BC]ldPIkdQDlbH0Al"
    "eBaeGleHkeJbeMmeX=dBRbeVbeZbdCaeCaeHaeJbeNaeSaeXadF=eM=dGbdHkdIM=dOadQadRNadUae/6adWae/7ac"
    "2AaeJbeKaeLbeMbePaeQff/5feRmeVmf/4beZfdBGmeWbeYfdCCleFmeGaeNleZadDBaeFbeGfePaeRfeSaeYadEBb"
    "eHfeJbdHfdJDmdObdPbdSadTfdU]ldVbdWbdXbdZac3BbdDfc6AFfeLbeOmeTbeUbeXbdB/7aeJbeSaeVbdCbeYaf/"
    "PadDaeAmeZfdEPbeSmf/0feTaeZaf/4bg7ag9mdFC/7aeFmf/3beVfeX/4beYfdGAadHEaeKaeRbf/4meSaeTfeXad"
    "IaeCbeJfePaeWbdJHbeN/4bgMbeSadKbeBmeDaeGaeSbeTbf/4bdLAaeEaf/7aeQbeSbdMDfeEbeKfeLaeQmdNfe/0"
    "feJaeLaePaeRadOfeBbeDaeMmeSfeUfdPaeAmeCfeDaeJaeWadQWadRbeAaeBfeEbeIaf/7aeSfdSaeUfeVadTDfeI"
    "beSfeXadUDfeKaeNaeXadVMaeQfeVfeWadXadYaeLmdZbc7AadDaeNbdFadIbe/4bdJbdMIbePadQadUfdZfc8AAle"
    "CaeHmdBbdCadDXadHldKadMbe/MbdOfdPbdRbdTbc9AaeCadBfdCfbI4EZvdSVkdYWfc5EAldP/Mfc6ID=c7CFkdHa"
    "dRabJ0Mlc2O]ec3M/BY1RX-c4MYbdZIkc6JF=dK]ldWAkc8HTlbK0OkdPfc1JA]lc2JldORac4CMkdPbdRAlc7JabL"
    "0AbeAadFmeTadGfdHadIbdPmdQbdRfdXadYbc1AbeKfdBbe/MbdCEmdFfdKbdNadObdPadVEaf/Rac2AKfdBadCmdE"
    "adF/4mdGbeRadIadNadObdSfc3AadCbdEfdGbdLadMbdUldVbdXbc4BmdDadEmdFadKadQ/7adRadTbe/4bdUbdVbd"
    "Xbc5AbdBadETadINbdJfdMfdObdPfdWac6BmdDldEfdLbdMadUac7AAaeBbeHmeKmf/9meLbeMbeNaeUfeWadBAmf/"
    "8meNaeQaeRfeTmeXadCfeCaeGaeJfeMaf/7aeQfeRaeSaeVmeXmdDae/7afPafRaeDaeFfeQaeRfeSmeUadEIaeJae"
    "KfeMaePaeUmeWadFaeAaeBaeNaeRbeUfeZadGaeDbeFbeImf/8meKbeNaeQfeSaeYfdHBbeDaeGbeHfeIaeJaeO/6a"
    "eSaeUfeWbf/4beYadICfeHfeI/5fg9meMfeSbeTadJfe/8meBmeFaeJfeNmePfeR/7aeSaeUaeVaeWaeYadKEaeFae"
    "GaeIveKaeLaeNmeTbeVadL/5ff6af7aeBaeHbeIaeJbeLaePmeUbeVbdMHaeQfeRmdNDaeIfeKaeLbeMbeNbf/3beS"
    "bf/140beYfeZadO/0feAaeEfeGaeKaeLmePmeWaeXfdPBfeLbeMmeRaeSaeVadQIbeLaeOmeQff/PfeRfeSbeZadRa"
    "e/7aeBbeDfeEbeFaf/7aeGbeHmeIfeKbeLbeMmeNbeQleRaeSbeTff/7feVmdTfdVfdWadZac8AbdEbdFadLbdPfdQ"
    "fdYac9DBfbM08ATU/H%eCAZ/H%fYQ/H%eEIE/Z%eFAC/H%c1TDH/LH%c70URE/6]ji8:i9]*c95WARD%bN08ADE/H%"
    "c400L:fU:c92EXPO%bO08BQH/Z%fTM/Z%eCIK/H%fVV/Z%fXK/H%fYL/H%eDI/Z%eEIE/Z%eHV/Z%eICA/Z%fD/Z%e"
    "KJ/Z%fV/Z%eOK/H%ePB/Z%eRKO/H%eVK/Z%c150ITU/8:fU:c2016DSS/LH%c3MWC/8:c4AAA/8:c5DXX/8:c7WRD/"
    "MA%bT10BP]:d6BSG/BL]-iJMA]-jOS]-iLMS]-iMCW]-jY]-kH]-iRAT]-jBI]-iSD]-iYAM]-c42I]:fND]:bX/VK"
    "0TH^'c0LD^'dMQI^'eT^'dTH^'c2000/IMD]yhLH]yc8AA]yc9YL^cbY0N/Xec1ZA_ec3DR/Ddc4EJ/Ddc5E/Ddc7D"
    "SY/DddX/XebZ1A/XeaB3CRA+b7/BA7CK_+gNQ_+eD1TX_+cCRA-b9/BH1NGGcc0IARU-cCRAtbA0AA/8cc3GG/4-c4"
    "DC/0&eT/0&dRF/0&c7CK_+dIA_+eO/0&dJS/0&g9&bD1PTA/0&dTX_+c4HF/9tc5HSV/9tdQDM/9&c6KF/0&c7HC_+"
    "dIEE/0&dJZC/UT3GF-dLPD/UT3GF-dMQ/9`.c9BI/0&bG0DKM/8cdGE/9cc1KIY/0&dLLB/0&dPIP/0&c3PUX/Q-c4"
    "WUA/0&c6IFR/9`.c7JJW/UT3GF-c8FUL/0&c9XD/1-g2-g4-g5-g7-bH4CXY/9`.c6IVL/9`.bS7H}{bT1OY/YL-bY"
    "/R1ANF]hc1BJ/1DX-dCRA/WO22-iRTC-dPK/I1ZB-dTTY/OD5LN-dWXD/0&c4DX/W9HQ-c7STC/F4CYZcaC37URA/H"
    "SFA{$b56W/BI{_b7A]&b98DC/YL`^bA8WCI/9]hbD0YJA/3^rh4^rbE0YHF/3^rdZIC_lc6PGO^fdRFP^fc9/K2ARB"
    "^xePA3EXX^rk/P^reR3CA^xgRRC^xf7C^xeUA4WHX^feVE3LYC^rk/P^reWW3TRG^rdVPM]ibF2RC;dVVV;c7AAW/1"
    "](dEWK/3]!bG2NNX/P;bI0XN/P]!bJ2BY;dKCE;c7EWK/3]!bK7IG/1](bO2FRC/LH_'c6RD/LH_'bQ8ARN/LH^<bR"
    "5FB/LH^!c6L/LT^!dYLH/LT^!bS2HNI/LH^!c5ARAM/LH^!dE/LH^!bT/DJ5AA/LH^!c1BWW/LH^!dGFK/LH^!ePQ/"
    "LGT^!c7/ON4LO/LH^!g7RU/LH^!c8/DK6EA/LH^<c9500AEP/J_fbU2JU/ND^<c5/CU3EJ/LH^<bV0A]hc1AA/LH^)"
    "c9T/LH^)bW5X/LH^)bX1CAK/D^)dSI/D^)dTA/LH^)eCR/LH^)c2ABP/D^)c5TR/U^)c6DRA/V^)c7OV/H^)bY2ZT/"
    "2]~c7DP]{aD88S]hcA]'bA0BHV/LGTyiHyeLH/LGTydDAG/LHyeFF/LHydFO/LHydLCC/LHyeGV/LHyeHT/LHydOIE"
    "/LGTydQS/LGTyhHydWLH/LHybB2BJT/LHybC1HPS/LHybD3D/LHybF0AWG/LHydBU/LHydCHE/LHydELM/LHydHC/L"
    "HydIF/LGTyhHydLR/LHydMF/LGTyhHyhSydSX/LHydVK/LHydWAT/LHyeFB/LHyeH/LGTyeLG/LHyc1AG/LHydHF/L"
    "Hyc2BR/LHyc3LY/Lyc4ZK/BY4AA-jBZB-c5A/LHydFO/LHyc8AN/LGTyhHygP/LHyc9HG/LHybG0GF/LHyc1EHM/LH"
    "yc3XA/LHybH0IPA/LHyc1DH/LHygM/LHydHB/P]:c6RS/LHyc7RK/LHyc9JK/LHydUW/YLybJ0PJ/LHyc2OC/LHyc3"
    "XG/LHyc5AA/LHyc7AO/LHydBU/BY4BZB-dMH/LHyc8RH/LHyc9QE/LHybK0DAN/LHydFC/LGTyhHydGYB/LHydHN/L"
    "HydIZ/LHydKTL/LHydLWL/LHydOC/LHydPRE/LHydRA/LHyeBY/LHyeU/LHyeZ/LHyc3DUA/LHydR/LHyc4DS/LHyd"
    "MT/LTyc5AN/P/LHydT/LHygSybL/HB9DQJ/LHyc0AWG/LHydBLA/LHyePS/LHyeUX/LGTyiHydCA/LHyeUX/LGTyiV"
    "ydDAB/LHydEJ/LHyeL/LHyeM/LGTyhHyeO/LGTyhHydFFF/LGTyiHyiSyeHD/LHyeL/FFydHDF/LHyeGW/LGTyiHye"
    "ST/LHydII/LHyeOO/LHyePA/LHydLGT/LHyeNW/LHydMCM/LHyeFH/LGTyiHyfK/LGTyiHyfN/LHyeHR/LHydNH/LH"
    "ydOF/LHydPAS/LHyeBS/LHyeJ/LHydRSH/LHyeUG/LGTyiHyeWE/LHydSH/LHyeY/LHydTO/LHydUEM/LHydVV/LHy"
    "dYLM/LHyc1BSN/LHydDUT/LHydELU/LHydHZM/YLydSKK/LHyc2ALY/LHydFCA/YLydJRM/BY4RRR-j8SKMcdRPS/L"
    "Hyc3ANK/LHydJJ/LHydKWR/YLyeZA/LHydNM/BY7KG-dOCH/BY4RRR-dRNZ/LHyc4ABB/LHyc5CX/LHydKUA/LHydM"
    "C/BY1PK-dSE/LHyc65DARC/LHydABN/LHyeP/LHydKWN/LHyc7ANC/LHydBMG/LHydMFK/LHydNF/LHydUVO/LHydV"
    "DX/LHyc8HK/YLydMTG/LHydTG/LHyhVydUAA/FFyc9CU/LHydNEI/ND2NydOE/LHydSEP/P/LHybM19ERZ/BByjEFy"
    "jHFyjLyjPyjRByjSyjUyiHAMyjSDyiMAFykZyjFyjSyiSGyiVLyc2C/LHyc3B/LHydG/LHydKF/LHyc5C/LHydJBN/"
    "LHydSB/LHybN0AWG/LHyc4MB/LHyc8RLS/YLybO1EEW/YLydOMA/LHyc2IK/LHyc5MCL/LHyhYLyc6KDS/LHydUVM/"
    "LHyc7DC/LHydRKL/LHybP0/OJ1ABOA]:dGVN]:g/P]:c1ANF]hdPOL]:g/P]:bQ4M/LHygTybR100MF/LSyc3M/LHy"
    "c4W/FFydX/LHyc9Z/LHybS50ARN/C^peCYI/C^peDBF/H^peEXX/E^peGOO/C^peHWS/E^peKJR/L^pbT8A]hbX0JP"
    "^mdK^mdNE^mdP^maE50W^[c1AMF^tdLYC^tdM^teAN^teBX^teKW^teQT^tdPDX^[eEN^[eT^tdQMA^teQQ^tdTUG^"
    "tdUFF^tdWL^[eWB^tbA/FT5YK]hi/P]hc1AK/8:eP/8:fV/LH%dBEY/Y%ePC/DE%dCYK/P]hhVP8]hdDAV/8:eFP/9"
    "]*dEEY/L%iGT%iH%eHW/8:eK/ZAP%dFDD/DE%eGS/LH%dHLW/YL%dIT/8:dQE/6]jdRCG/CPV%hSEU%hYOA%fI/CA%"
    "iR%iVG%hDAC%hESM%hIA%iCA%hJBN%hKD%hPAZ%iCV%hRCC%iSM%hYC%iOA%fP/NM%dURL/CVL%fO/D%hKD%dYO/6]"
    "jg8:c2/ON7RU/LH%dAU/URE%dCRX/LH%dEJO/6]jh8:ePY/8:eZ/6]jgP%dKU/EKA%dNN/AVE%dSG/6]jg8:ePS/LH"
    "%dTW/6]jg8:dURI/O%c3BT/6]jdCBH/6]jdEGB/9]*eRT/6]jeSZ/Z%eVR/R%dFNZ/8:dHSD/6]jhP%eUX/6]jeZX/"
    "6]jhP]jdICJ/8:dLD/D%dRCV/PAZ%eKB/8:fM/6]jh8:c4AAQ/O%dBFH/8:eQ/8:dDE/8:dESI/8:dFZR]hg/P]hdL"
    "O/6]jdRCH/CIE%dSV/8:dURE/8:h9]*dWT/8:dZK/8:c5/ON4LO/LH%dADM/6]jhP%eER/P%dBB/6]jeK/6]jg8:eT"
    "L/6]jdCC/P%dDCL/9]*dEOR/6]jeQ/N%eR/6]jeZ/6]jg8:gP%dFL/LH%gP]jdGVT/AVW%dHCC/6]jh8:hP%dIIG/6"
    "]jeKT/6]jhP%dKA/8:eB/LH%dND/D%dRCK/CDI%eKB/6]jh8:h9]*fD/PAZ%fL/8:dTOM/AVW%dURE/IVA%hP%fM/C"
    "%hF%hG%hH%hI%hL%fR/PAZ%fV/CAC%dZD/URE%c6/DJ5AA/LH]jg7AO/LH]jeG0SGB/LH]jdAFU/4%eKN/5%eOL/3%"
    "dEJ/3%dHP/J]jdLU/3%gP]jdQB/1%dRC/4%dSK/2%g7%dURI/PAZ]jfL/IF]jdXQ/P]jc7CFU/U%dDUT/6]jdFC/FC"
    "J%dHZ/F%dJR/8:eTF/9]*dOBH/LH%dURA/GET%hPAZ%hSG%hYOTA%fE/PAZ%fF/PAZ%fI/MDL%fJ/CPM%fL/FSV%fM"
    "/9]*hPAZ%fP/LAI%eV/P]*c8/DJ5AA/LH:dAKG/F:hG:dBFH/1%h4%h5%hP:eY/4%dCHC/7%ePU/DE:eWF/5%eZT/1"
    "%dDO/LP:dEE/L:dFC/1%dRV/P%dTH/LP:eL/3%dURE/YOTA:fL/LH:hP/SBI:dVK/URE:c9AA/7%eZ/5%dBLJ/5%dC"
    "D/1%gM]*gP]*eE/C]*gD]*gE]*gF]*gG]*gH]*gI]*eI/1%g3%g4%g5%g6]jg8:eP/1%g2%g3%g4%g5%g6]jg7%g8:"
    "dFN/7%dHU%f/7%dJS/7%dLZ/7%dPD/1%g5%g7%gM]*gP]*dQD/7%dUL/7%eRC/PAZ]*eV/7%bB1BRH/6]jdDH/LH%c"
    "2EMH/8:dGKK/6]jc3CW/6]jc7A/8:c9PH/7%gP]*bC1KR/8:c2DX/8:c5AC/6]jeHA/P%eLJ/9]*dBME/6]jdEA/P]"
    "jgVIC%eC/6]jdK/VIC%c6TV/N]jc7AKV/8:eT/6]jdDRS/9]*eZZ/9]*hLH%c8AFM/LH:bD1IRM/LH%c3AFR/9]*dR"
    "KL]hdT/6]jc4R/8:dSHF/6]jc5MFP/C%hG%hH%hI%hK%hQ%hR%hS%dON/6]jdRKL/8:dURD/LH%c8BTM/C:hE:hJ:h"
    "L:hS:dGSA/J:dLIB/C:hD:hE:hF:hG:hH:hI:hJ:hK:hN:hO:hQ:ePA/L:dMCC/LH:dOTA/D:hH:dPDC/E:hK:hLP:"
    "hO:c9CE/D]*gE]*gF]*bF0F/8:c6%c8LIB/N:bG1ILW/LH%dLWB/LH%fC/LH%fI/LH%fN/LH%dTDH/LH%c225GVJ:c"
    "5FOM/LH%c80NT%dAOP/4%dLIB/C:hD:hE:hF:hG:hH:hI:hL:hM:hN:hO:hP:hQ:eP/YL:c90IARU%i/1%j2%j3%j4"
    "%j5%j7%bH5FL/LH%c8FLH/LH:c90IARU/6]jj8:bI0CAR/LH^}ePL/LH^}dLHL/LH^}dM/LH^}c1K/LH^}eARG/LH^"
    "}dNC/LH^}c4LRC/LH^}c5ML/LH^}bM0UBC/FF]dc1HO]idKCC]ieGG]ieY]idU]ie/P]ieA]ieC]ic3QLH/LH]dbR3"
    "AC/FF`'dCR/FF`'c4LX/FF`'bS/RX3AMI/LH`ydSA5FYR/LH`yc0TI/LH`ybT3AA/YOTA`zbX/RU3TT/FF{yaF/DL5"
    "SE/LH][cG0SGB/LH][cIK3MZS/LH][cON4LO/LH][e7RU/LH][cPH2CV/LH][b4BKV/BY7PP-cFET/LH][b5HPY/LH"
    "][cJSD/BY4AA-cNBX/LH][dMK/LH][dVF/BY4AA-cRAV/BY1RX-b6/4Z5KJ/LH][cAJA/BY4RJZ-cDXB/YL][cHDH/"
    "LH][dMJ/BY1TX-cIFC/LH][cKBG/MSW][dMB/LH][gP/LH][dUM/LH][bK8IK/C_;dVHY/P^kbO/AC4LN/A]$jM]<d"
    "DF6IC]$eJ4OI]$f7RJ]<eL1AWI]$gIAN]$f3APO]$gGA]$f5XU]<f7FT]$f9AWI]$dF6BCW]<gFH/P]<fCOW]<gTL]"
    "$fEPY]<fGNZ]<e8CFU]$dG3BJ]$dHA9G]<eG9B]$h/P]$dIK2GNW]$eZ2ZTQ]<dJA0SC]<f8BMK]$eI1WTF]<dK7AR"
    "]$eA7OQQ]<dN7WLR]<dOH1RX]<f6KN]$eN4AXU]<j/A]$kM]<dSP5EAQ]$f9FIH]<dUT6UD]$dW6TLD]<e7GJ]$c0/"
    "F8UFT_]dAAA_]dCLA/A]$dELY]<eRI]$dFLA]$eRY]$dHWU]$dMIC/MM3^neOT/P]$dPOM]<dSEV]$dTOH]<dWEG]$"
    "eII]$c5FD]$dQS]<f/M]<c8RZ/P]<bR/F5NHJ/E^je6KDF/T^^c5IZ/E^jdZQ/G^{eU/T^^bT4YM/P^%c5YJ/P]ieK"
    "/KC4]igP]iaG0FBJgcIBN/LH]ghV]ggP/LV]gcSFJ/BY7KP-dGB/LH]gcVML/LV]gb3PRC/LH]gb4DFN/BY1PK-cKH"
    "G/Mab6HH/LH]gb8ERJbbA6NX/LHgbB0AANqfWheDheELqeFDheLKgeMCheOA]keRMqeSqeTMheVBqeWEhfSheYRgdB"
    "AJgeCGgfKgeDgfCgeEA]keHRheIGqeLgfL/LH]geMB/LH]gfSqeNAgfCgeOCgfLgePhfMqeREheSSgeTBhfCqeVCqf"
    "LheWTgeYLhdCqeAChfSqeBChfSqeCEhfFgeEWheFDheGGheHLgeLChfHgeMLgeNLgeOAqeQDheSAhfCqfGgfLgg/LH"
    "gfRheTKheVAheWFgfSgdDAMgfWgeBSgeDFqeFDheHLgeMChfTheODgePKgeSheVPhdEBGqeGqePCgeULhdFFDgfSge"
    "HDhfIheLheMFqfHqeSGgdGDDhfIqfSgg/JgeGRgeIGhfWheLSqfVheMDhePFqeRMhfNgeTDgdHAM]+eELheGCheHWg"
    "eLDgfH/LH]gfTheMMhfThdIOM]kdJOGgeSA]|dKCqeEYgeFheGSgeKMqfSgeLTgdLheBGheCSgfWgeMheNRqeSPqeT"
    "MgeVAqfFhdMAHqeEgeFDqfHheIWheLhfHgfMgeODgfGgfLgePAheSBhfLgfT]keULgfUheWLhdNAWheCI/LH]geEWh"
    "eGhfGgeHLgg/LHgfSgeLCheMBgeRLgdOGCqeYTgdPATqeBRheDYqeEMheGGheL/LH]gfBhfLhfSgeOSgePEgeSGhfM"
    "qfWgdQEqdRELqeGCgeMEhePOheShfBhfChfFhfLqeVWheWMhdSAAgeBCgeCBhfDgeDDheFMgeGCheHhf/LHhfPgeIg"
    "fMgeJRgeKgfGgfYgeLBgfH/LH]geOAhePDqfEhfSheRCgfK]+eSBgdTBLheCHqeDheGNqeHgfLgeLheNLgePRheShe"
    "TCgfSgdU]+eSRqdVCqfAheEEheHFheKhdWHHhfRgeIWheMZheOAqePS/JOTA]geRHgeULhdYGhc1002ZEgf4FTShfA"
    "BhfBCGggOSqgPhfCSWhfFTShfGGChhMhfHDhfLBhgSGhfMASggCVhgUCgfRNRqgS]+fTMDhgT]kfZETge6TBCqeSOT"
    "AhfPgd50NRLgfWCBqd6SWqd8FIFAgd918EKNqeCG]+gIqgMggWhfIM]kfJ]|fNIqfSgfWheSGhdADheFPqeJgeSCgf"
    "HgdBAFheDgeERheGSheOLgePLhfMqeSWheWhdCCCheDSheFLgeHMheORgePGheRhdDDGqeHLgeShdFBgeHSheRSgeV"
    "SgfTgdGEOgeLCheNDgdHASheMMheNFheRSgeSCqeTWhdIMDqdJChdKEYheGGgeLDgdLAYgeGGgeLgeSGheWhfFhdMA"
    "YgeISheSG]keUUhdNHLgdOLgf/LHgeOCheRMhdPATqeBL/LH]geCgfAhfSheDheGWheJheLLhdRBgeHUgeMqeOCqeP"
    "qeSTgeT]kfFhdSDDheEAheLhfHgeOI]kfSqePDqfNheRIqeSLheTChfMhdTAYgeDSheMDqfHgdUASqdWAAheIWheLG"
    "geRDheSMheWCqc2000SEThf3SEThfHNThfTTheYOTAgd2GD]kfIqfJ]|fMgfU]+fWhd50RBgfTMBhgThdAAWgeDqf/"
    "PqfUheESgeFG]+eGGgeLgeMSgePL/LH]geSqfTgeYRgdBAJgeCWqeDSqeEFheGGheHMgfSgeMJgfL/LGT]giH]geOA"
    "qfLgfMhfWhePMheYFhfL]|dCAqfSgeHCgfMheIheMgfAgeOBheRgfShfUqeVLgeWRgdDASgfWgeCIqeHSgeLgeMRqe"
    "PCqeRCgeTgfMgeWRhdEIheLqfHgg/LHgePCgdFBMgeCheEAgeG]+eLBheSMgfWgdGEOgeGMheKRgeLSheNLgg/LHge"
    "OLheSGheTMgfSheU]+eVAhfCgdHDGheLBgeMCgfMhdIGBgfSgeLqeMDhfGgfMgeNVgeOM]kfTgdJCMgeSA]|eTA]+d"
    "KDRgeGBgeWgdLBNgg/LHgfRheCLgfPgfTgeDGgeEEgeGgf/PgfBgeHIgeKgf/LHgeLqeMhfGgeNPheOLqePgeSgf/L"
    "HgfAhg/LHhfHhfSgeTgf/LHgeXXgeZL/LH]gdMgeACqfD]kfSgeBBgeDhfGgeGYheILheLMheMCheNgeOFgfPheRIq"
    "eSLgeUCgfLgdNBCgeEFgeFheLgeMMgePHhfLhdOGIqeLgeOAheRMheTAheWMgdPATqeBFgeDYqeGgeLH/LH]gePqeR"
    "CheSWqdQMgdRBgeDRgeELqeFSheOCgeRLgeSGheT]kfBheWWgdSAAgfChfMgfSgeBgfGgfSgeCA/LH]gfChfDhfPhe"
    "DDqeFMheHL/LHgeIPheJ/LH]geKGgeLAhfHgeML/LH]gfMgeNM/MILL]geOHgePDqfRqeQNgeRgeSBgeTIqfPqeUMg"
    "eWqfFgdTDhf/LHhfSgeHLgg/LHgeNLgeTAhdUASqdVCBgeEFgeKhdWAAhfMgeB]kfFgeFCheGgeHOheIWheLqfSgeN"
    "AheRDheSFheThdYLSgdZEgc3ANGgdGKRgdHLSheQ/YOTA]gdKCD]kfIqfJ]|fMgfU]+fWhdLERgg/BgeMWhdNGIqdO"
    "RKgg/BgdRMK/BgdSWFgdWOIgc4AASgeDUheFDqfSheOSheSTgdBBhfRgeGgeITheOJhePLhg/LHhhPhfRheRS/PhdC"
    "GSgeIheMAgeOM]keSCqeTChfLqeWM/YL]gdDASgeHXgeTDgeUKgdEPCgeULhdFAAheFSgeTShdGDgfSgeMheSgfShd"
    "HFHheIheLBheMDhfMhdIEgeOM]kdJCMgeDF]keOAgePJgeYSgdKCChdLERgeL/LH]geRGhdMBCheDhfHhfIheGR]ke"
    "JSheNH]kePIheSEgeUUhdNDGheFEgeHSqePLhfTheTBhdONhfIqeSThdPASgfTheCSheDheOWheSqdRCheMEheSLhd"
    "SDDheGG]+eKgfOgeLChfHgeMMgeOSqePDqfT]keROgeSPheUBheWFgdTMShdUASqeKGhdWL/LH]geTheWIheXM]kg/"
    "P]kdXThc50AADqfBSheCSCqeEVSheFVSgeGDSgfSY]+fTgeJSggA]|eRSCheSGPhdAAWgeCheFDqeGgeSTgdBBSgeI"
    "GqeLqf/LHqeOHgePLhdCgeSgeWLgdDHLgePRqeXgdEMFgdFHCgeIheLMgdGEOhdIG]+dJSgdLAFheB]keIB]+eSGge"
    "THgdMDheOB]kdNHSqdOJR]|eMUqeNGheTAqdPLHheSJheW/LH]gdROgf/LHgeRgdSCgeIgfPhePDqdTAMgeD]keIge"
    "PgdVAS]+eEPhdWThc60ANTgeCRBgeDITPheERhePWheSPSheVLYhd5BTFhdAChdBENgeLBhdCRIhdEPCqdGGMhdIMD"
    "qdMD/IMD]geW/MILL]gdOQAheRAhdPLBhdRNLIhdSJPqePDqdTAAgeShfGhdVCBqdWTheWgfThc70BTFheD]keIqeJ"
    "]|eMgeU]+eWhd50CCheATCheBBheCCgeGDgeVECqdSRWgc80GDgdAYRgdBKYqeRMqdCSLgdDSqeXgdEGTqeLFqeRNq"
    "dFSGgdGLMqdHIheRHqfMqdKCqfCqdLMI]|eWFqdMDheGhdNDheHSqeICqdOAEheQEhdPJEqdRAFheOCgeUgfMgdSJA"
    "qeL/LH]geOShePDqeTMqdUKRqdWOWheThc90RSGB/11gk2gj21gk2gk3gj62hj72hj82qeSOMqd99SPCgdAFDqdBOB"
    "qdGDPqeGMheVCgdHRHqdLQVqdRAFqeOCgdSPDqdTQJhdUGPqeLgbC4BRS/LHhbD3JIU/2K]kbG100ACDhgGGggNGhf"
    "CPGhfGAggCCggGPghRggLDgfRGGhfSBGggGhbH5DX/NHS]|bI0OKM/2ZEqc3SG/2ZEqc4JTF/2ZEqdRNP/2ZEqbJ3D"
    "VC/L]|c6WRI/LH]|c8PVL/LH]|bM/DL5SE/LHgc0AVRgeZC/2KgdCXQgeYJgdDHZ/PgeJIgdEKMgdGFLgg/PgdILBg"
    "dJDBgdKTO/2KgdMUN/2KgdSGB/MghPgdVFAgdWED/NHSgeUX/2Kgc1BYLgdCBQgdFGNgdKKIgdMXNgdZNRgc3JIJ/2"
    "KgdKLAgeZHgdOFT/PgdRFRgdSJAgeKNgdTKV/LHgeTC/PgeXF/PgdUSR/PgdVLB/PgdWCHgeFK/PgeHTgeUX/2ZEgd"
    "YDN/NHSgdZETgc4AFF/PgeGXgdCHX/2KghPgdENKgdFNEgdGPNgfPgeQDgfMgdIPKgdJPIgdLBEgeERgdPXGgdSgeL"
    "VgeQM/NHSgfN/NHSgeSAgdUBJ/2ZEgdWSB/MghPgeXQgdZHLgeVD/Pgc6JNJ/NHSgdRQWgeTOgdVZBgdWRW/PgeVIg"
    "dYQAgc7AFEgdGWWgdRKDgdVSB/2ZEgc8IEM/2ZEgdLNHgdMMAgdOFQ/2ZEgdYECgbN0LIX/LHqc4GTY/LHqbO0AEGg"
    "eIRgeQDqdBJHqeKCgdDBWgg/MgeEQgeIVheUPqdEZQhfYhdGMNgdJEQhdMNPhg/PhdNPLhdOGNgeUD]kdPLBheNIhe"
    "UPhdSYYgdTUBgdVKWheMLheRPgeSWhdWEZgc1BANgeKFgdDPLhdIOThdJFVhdMQEgeVLhdPKMhdTBWgc2MPgc3HVKg"
    "dJIJgdKVDqdMMFqdNIGgdPLBhdSGqdUOFhg/MhdVTBgdXJQhc4AZMbdBKGheLEhfOgdCAUgeFSgeHXgeQZheXMgdDL"
    "GgeOHqeTQhdEMXgdFAMgfUgdGIDqeTIheUHqdJKRheOJgePZgeRgeUNhfWhdLKGqdMOXgeSLgeVAhdNKBqeOOhdOKT"
    "heNLqg/P]geYMqdPRBgdSRQqeUEhg/PheZWqdTNZhdUBJgdVTBgdWXMheZGgdXQJgc6IMShdJEPgeRXgdKONgdLYJg"
    "dMTLqdNKGhdUKOhdVCVgc7AXBqdDWRhdGAXgeDEgdHUDgdKMCqdSBOhdTUDgdVJKheQDhdWEFgc8BQKhdCBQgdFBO]"
    "+dIQChdJOYhdMHUgdOKRhdPVL]|dSVBgdTTDgdYYMqbQ0AEGgeIRgeNAheQDqeZAqg/70qfCgdBJGqeKCgeWRgdDBW"
    "geEQgeIVheUXgdFNEgdGMNgdHUOgdJEQheRFhdKWLgdMNOhfPheQUheUNgdNCAqePLheTLgdOGNgePSgg/70geUD]k"
    "g/70]kdPGCqeOAheUPhdRNRgeQKqeYThdSLMhdTJVqeKV/PgeQMhdUVDqdVKWheMLheRPgeSWhdWEEhg/70hfZgeNR"
    "geURgeVLhc1BANgeKFgdCETqdFKYheOA/PhdHNGhdIOThdJFVhdMQEgeVLhdNRShdTBWgdWRVhdZKNhc3IRKhdJIJg"
    "eQJgdKJWhg/70heVDqdMMFqdNIGgeTLgdPLBhdSBheGqf/70qdTKPgg/PgfVgg/PgdUOFheZJqdVENheKLheTBgdWS"
    "UheUXgdXJAhfQheRQqdZBEgeZAgg/70gc4AGGgeTAgeZMbdBAEgeKGheLEhfOgeMLhdCAUgeFSgeHXgg/PgeQZheVT"
    "heXMgdDLGgeOHqdELVgeMXgg/70geNFgg/70geZWhdFAUgeFFgeOChg/70hdGIDqeSHheTIheUHqdIILhdJKRheOJg"
    "ePZgeRgeTFqeUNhfWhdLKGqeXLqeZPhdMSLgeVAhdNKBqeOOhdOBGgeKTheNLqeYMqdPRBgdSUEheZWqdTAJqg/70q"
    "dUIBgePLgdVNSheTBgeZJhdWXMhg/PheZGgdXMRhg/70heQJgdYMMgc5DXgdWZY]+g/70]+c6CZEhg/70hdGXHhdIM"
    "SheTJhdJEPgePOqeRXgdKONgdLYJgdMTLqdNKGhdRWD]+dUKOhc7AXBqdBQKhdDWRhdFBVhdGAXgeDEgdHUDgdJYKq"
    "dKMCqdLJJ]|dSBOhdTUDgdUEDgeNJhfVhdVJKheQDhdWEFgc8BQKhdCBQgdFBO]+dIEMgg/70geQChdJOYhdMHUgdO"
    "KRhdPLRgeVL]|dRQIqdSVBgdTTDgdYYMqbR0AMD]keNAheXYgeZCgdBJHqeROqdCDVgdDBWgeIVheSPheVUqdEKMgd"
    "GMNgeRDgdHPKgfLgeUOgfSheWA]kdJEQhdMYYhdNPLhdOGNgePSgeUD]kdPNSgeSVhdRQKqeWOqeYThdSYNhfVgdTK"
    "XheTVgeUBgdUKZgeVDqdVKWheRPgdWEDgeGKheNRgc150NIBgdBANgdCETqdFJIhdHNGhdLFXheHVhdMCDheWKgdSG"
    "GhdTBWgdWVYhdYQMhdZIVgc3GTRqdJFGgdKDRqdMZXgdNIGgdOFTgdPPEgeYUgdSBheFCheGqdTKHhdUOFhdVALgeT"
    "BgdWEMqeFJgeUXgdXJQhdYXJgdZDHgc4AAMqeZMbdBDJgeKGheLEhfOgdCAUgeCNgeFSgeMIgeQZheXMgdDHWqeLGg"
    "eOHqdEMXgeOUgdFQEgeUEqfMqdGIDqfFgeNYheOSqeTIheUHqdHZAhdJOJgeUNhfWhdKQUqdLXLqdNKBqeSZgdOGOh"
    "eJHhdPRBgdSQMgeUEhdVSS/PheTBgdXAWgeMDgeQJgeXJhdYMMgdZOMhc5AUGgdDXgdPHhc6AFB]kdJEPgeNJgePOq"
    "dNKGhdSIXheTKhdTMM]|dUKOhdYMLhdZAKgeDHhc7AAJgfVheXBqdGAXgeDEgeMCgdHHBgeOCheUDgdKMCqdLNOgdN"
    "AUheZIgdTKZheUDgdUNVheSCgdVQDheSBgc8BQKhdCBQgdIQChdKJOgePHgdMHUgdOFQgeGIhdRKCqeQIqdSVBgdTR"
    "OhdVLgdYYMqbS0GRCgc3BSQgdZETgc4WAB/Pgc7Vgc8YLgbT3FLH/LGT]kiT]kc4IOM/LH]kc8IOM/LH]kbU0DXX/2"
    "K]+c4GG/2K]+c5WZY/2ZE]+c6RWD/2ZE]+bV0ANAhdDBWgeCKheIVhdEMEhdFREhdGMNgeRDgdLZEgdMNPhdNPLhdO"
    "BXgeGNgeUD]kdSYVgdVRPgc1BANgeZTqdFKYhdIOThdJFVhdNBWhdYQMhc3ATZhdEEWgdJIJgdKVDqdNHQgeIGgeKG"
    "geNZgdPIPgdSGqdTJE/PhdULPgeOFhdVTBgdWEZhdXJQhdYEO]kc4BKGheLOgeRShdCQZhdEMXgdFUEqdGUHqdHRJg"
    "dILSgdJKRheOJgeQPheTFqdKLNgdLVWgeXLqdNQJhdPRBgeUChdSRQqdVTBgdWVNqdXQJgc6AFB]kdBRChdJPChdKO"
    "NgdNKGhc7AXBqdDHAgdGDEgeMCgdHTG]kdTHHqdUNVhdVJKhc8AVMgdDPVgdIQChdLYSgbW0AWT/2KhdGEI/2KheIH"
    "/2KhdMNO/2KhdVSW/2Khc1JFV/2ZEhc3JXN/2KhdKJN/2Khc4AYJ/2ZEhdIIL/2KhdVHP/2Khc6CZE/2ZEhc8KJK/2"
    "ZEhbX0MWT/IMD]gc3PRC/LH]gdSDS/LH]gaH40/H44RK{#bA3FPI/YL_qc5BA/YL_qdFQ/J_qhOTA_qdYA/YL_qeG/"
    "YL_qbB9DAR/LH^~eDZ/LH^~eLO/LH^~eWR/LH^~dOMI/LH^~bC/FT5YK]hc1HC/8^;c2ANT/8^;eO/8^;eQ/8^;dIW"
    "M/8^;dOGT/8^;dRAT/8^;eCT/8^;eMT/8^;dWAT/8^;c8GET/2`fdMA`ff/1`fbD9IWH/8^;bE1G/LGT^~bF0/R1AN"
    "F]hdANT]hePAS]heRC]hdPOL]hg/LH]hdQF]hc25NHV/FF]pc80BUJ/FF]pbG4I/LH_qbK0GU/1_`g3_`dNA_ndTU_"
    "nc3ARR/0_zdJJH/0_ziA{&iB_ziM_nhHK0A{&dOSA/0_zc5MQZ/0_niM_ndQGX/0_niM_nbL0KSJ]hc1TJF/KC4^xe"
    "R/KC4^xc8KSJ]hbP2TP/LH_ybV50VR/IMD{.bZ1AN/ND]]dBH/ND]]eL/ND]]eO/ND]]eT/ND]]eW/ND]]i/M]]dCH"
    "/ND]]dDG/ND]]dEA/ND]]dFL/ND]]dHN/M/ND]]gND]]dMD/BY4AOH-gND]]eX/ND]]dSBS/J]]iOTA]]hND]]eK/N"
    "D]]dTL/ND]]eT/ND]]dXB/ND]]dZH/ND]]aI0HCJ/KC4]'cQHM/IA0PS]'gKC4]'b1MQ/NzcSR]hcULJ/NzcXSG/Nz"
    "cYRL/GRAzb2AZ/CAzfNzcCZQ/NzcDMK/MIzgRMzb3GJJ/JzcTXQ/Nzb4CQO/Nzb5OYY/Nzb6DHY/CASAzcFDJ/LHzg"
    "NzcHWD/CAzgLHzcKIU/6/LHzb7PXV/LHzgP/LHzcXUW/MI/224zb8OHQ/AWDzbA/IZ2QEJ^%f3SUS^%c0/DK5SQX^%"
    "iXQ^%eIZ1KHY^%k/P^%dDC_xdMZ]'dPS]'c5/IW3ILP/LzbC8/DJ5AA/LHzbI0AMZS]'dC>dEUDX>dFDR>dGD>fF/9"
    "zdIADU>fML>eCH>fV>eDP>fR/NAVYzeGNL>dM>eQP>eZ]'dOGBzdP>eAX>eN/MM}fdQSE>dR>eSB>dSB>f/MM>eRE>"
    "fT/P>c1MM/9zdPV/LHzdRT/Nzc3EUDX>dT/LHzc4CPG/LHzdGOR/LHzc5BP/Jzc7IAOI/NzdPT/CzgDzgEzgFzgGzg"
    "HzgLzc8ICN/NAVYzbK0ATK/NzdCNA/LHzdJFS/NzdXFD/Nzc1RED/NzdVDN/Nzc2CZQ/NzdFIQ/NzdMKM/EXPOzdRL"
    "S/8/LHzdSOE/CAzhNzc3TZB/Nzc4UXA/4MEzc5IWU/NzdTBI/I/CTzhNAVYzeSZ/Nzc6FAW/JzdXOU/LHzeUL/LHzd"
    "YXM/Nzc7JGQ/KC4]'eWX/LHzdSHC/MTzc8IJN/8USzhI/USzdTEO/NzdVHP/OAzbN3IKF/JzdTJK/YLzbO0MMI>dWR"
    "TC>c9Y`,bP1T/LHzc5P/LHzbQ0AAI>eG>f/P>eH>f/P>eI>f/P>eK>f/P>eL>f/P>eM>f/P>eP/JzdCV/LHzdEH>f/"
    "P>dFM/LHzeR/LHzdGV/AAWzdHO>dID>f/P>dJY>dNU>f/P>eV>f/P>dOG>eH>dPM>dQP>f/LH>gP>dRU/GIROzdSS>"
    "f/P>dUS>eT>dXP>c1L/LHzdNM/REXzdQQ/9zdSP/Nzc2LB/EXPOzdMI/Jzc3DD/MCCzdFL/JzdMV/LHzdTS/LGTzhH"
    "zdV/LHzdZL/GIROzc4FA/JzeJ/JzdRA/LHzeN/LGTzhHzc5AA/JzeE/JzdLI/JzeV/Jzc6FU/LHzdKX/9zdPS/LHzd"
    "SB/LGHziTzhHzhTzdVP/Jzc7ML/JzgLHzdQK/LHzc8MJ/AWDzdOM/NzdPC/BWLzdXS/CEUzdYZ/SHzbR0A>dBP/Jzd"
    "EO>dFOC>dIDP>g/1>h2>h3>dLVC>dMDC>dPS]'bS0/4Z5KJ/LH>eDL5SE/LH>dCZG/1zdFAP/I/LR>eLV/8zdICE/N"
    ">eGV/N>dPGF/N>dSDX/N>bT9AAK/0zh1zh4zh5zh6zh7zh8zeCJ/I/BOzdCHU/JzeKA/CAzeLY/JZKzdDSA/CAzeTU"
    "/NzdELM/0zdGDS/WLKzdHBS/LHzeJH/0zdJZK/WLKzdKKE/JZKzdMRM/NzfZ/LHzdNCO/LHzhNzdOTF/JZKzdPQJ/0"
    "zdRGY/4zeRU/LHzeYH/JzhNzdYBL/SGzdZSB/LHzbU0FSC/LHzc1LCI/EMGzc5JHK/Jzc7SCT/Jzc8BPS/AWDzdCEU"
    "/8CZzdFWT/I/CPzbV3DSB/I/BRzdTRK/NzbW0HBY/9zeP/NzeRI>c2NUY/Nzc3BSQ/LHzc4EGX/LHzc5DAX/Jzc8CG"
    "X/AWDzdEHK/8BNzdFFG/Jzc9GSH/0zbY0GA>dNV>c1SP/ASBzgMTNzc9A`,bZ0BXZ/NzdDBA/NzdEGC/NzeUX/I/AZ"
    "zdFVD/NzdHTW/PSzhSPzdIAT/LHzeJC/BSMzhFFzhNzdPAP/GIRzdXZD/ROzc1CLA/NzdESH/EMGzdFCF/NzdGDB/E"
    "MGzdPOA/NzdRGI/ECOzc2DPX/7/LHzdMYA/EXPOzc3DBA/NzdGHP/NzdQCH/NzdSZQ/Nzc4AIH/Jzc5AHB/NzdGST/"
    "1/LHzc6ASI/LHzhNzdCDI/OzdRWD/OzdTGS/LHzhNzc7DKA/YLzdKDX/LHzdLDC/LHzc8AJQ/LGTziHzdDBJ/LGTzi"
    "HzdFGH/AWDzfO/AWDzeMU/KRzdIZK/YLzdJPV/NzdQNX/NzdVNQ/LIzaJ42004/DH1NA]qkPS]qhHA3NU]qiB9IQB]"
    "shM0WTD]shN3JWJ]qhOE5ER]qhSP5MXZ].gQ]sgZFG]sc5FRE/J].b69DS/LH{wbA0AZ/BY4AEE-jSZ-c1UQA/BY4A"
    "OH-c6GXK/JD1],bD1/8J1ZIU],fN1AQ],eJA6GXK],fD1BIC],iNA],hYAB],fE6XPF],g7IZM],fF3CTR],g7MTO]"
    ",g8HIQ],fG1RHN],g8NQJ],fH1EFP],fI2AMA],fK1PCN],fR8XXQ],dBCK],eHH/6];eIC/JD1],eME],fM],eNA/"
    "JD1],fD],dM/JI2AMA],dYAA],fB/JD1],eBJ],bE1LET/AE3RM];hVK3SS];dPYH/BY4AOH-dXUZ/YOTA];c2FUP/"
    "BY4AOH-dLPC/BY4AOH-c7IZM/JD1],bF3CTR/JD1],c7MTO/JD1],c8HIQ/JD1],bG1RHN/JD1],c2MLI/ANT_>c8N"
    "QJ/JD1],bH1EFP/JD1],dNBN/DF2OO];iL1BD];dTEB/BY4AOH-eOF/ANT_>c3TXR/BY4AOH-c7DFZ/BY4AOH-bI2A"
    "MA/JD1],bJ1LRD/BY4AOH-bK1PCN/JD1],bL1KBS/BY4HAM-bO1ZYB/L];bP1STX/BY4HAM-bQ1CJK/P`(c2UXA/YL"
    "];bR7ISY/JD1/CM`(c8XXQ/JD1],bT1BV/BY1DX-jRX-bW/LB2PG^]c0BEA^]c1I^]c2VOA^]c3FL^]c4GHA^]dJSA"
    "^]dLN^]c5RIA^]c7VW^]c9JKA^]aK0AZZfcBADldHCkcCAWacD/XUfdJMbcESQkcFRI]lcLASldIHldUCbcMD/BY1T"
    "X-cOUSlcRIVldJLmcSIXfcTfcVVVfcWfcYfdRIacZfdGab1BbdZDkcENTldRlcHZMlcIEEkdWD=cKAOkcLQkcMbdAT"
    "kdVVbcNbdDNvcOSPldWLlcPWMbcQMvcRJlcSDFbcT/LHbdFadMTkdORlcVANlcWbdCC/LHbcYRab2AHU]ecCAJbcDb"
    "cFFTlcGbdTlcHVN/MbcICWacL/LHbdP/CCbcNMAadPSkcQGC=cSHOldOOldTRbcUbcVbb3AVS]lcBMG]ecDJbcFMQ/"
    "VE2;dQbcJbdMIkcLYEbcMLT/ATbcNT/B29bdWlcQHPbcTW/LHbcUNSldOCbcWO]lb4AbdJQlcCbd/LHvdY/M^>cDbd"
    "RCkcEbdTCkdVRlcFbdRZmcGbcHOEkcJbdCBbdMBbcLbdCRvdRBbcMbcObdHFfdKIbcPbdFHvdRSbdSGkcQFSbcRACl"
    "dBKldNDkcSbdKYmcUAIldHLlcVICvcWvdEMbdGXkdPKkcXSbeSmdVlcYT/MbcZ/ANTbb5BGGfcDfdOWkdUG/MfcGEC"
    "kdUA=eM=cHLkdQMlcKfdFL]edUB]ecPfdKTlcRDkdSOkdZWfcSF/BY1RX-cTDNkdP]ecUBSfdNfcVORkcXSfcYG/VE"
    "2;dJRvdVfcZAIldYOlb6AMAldNEkdPPldRSldTFacBEFadHGldOTvdUlcCED/GaeEldHbdTacDCAleHacFINadRC/B"
    "2ah3ah4acGadCNadJSldKWkdUYlcHadIldNLldWKacIJacJAElcKadCWldKWldUSfcLNmdY/LHacMHOadIObdKFadW"
    "acNLFbdYBkcPacRHJldMMadSBlcSASkeXacTadRadWAaeGlcUCClcVHkcWBZacYadUbb7AadLHldSHldWDacB/SJad"
    "RRadUFkcCadAPkdLCfdMKfcDOAaeEbdWJldXTfcEJMkcFadARadRacGRWacHacIHIacKadKacL/LHadCPadDbdOPkc"
    "MVXkcNRJlcOCLkdJLacPadGRacQASacRDRacSGAbdRadT/FO]<cTABadWNkcUNXkcVadCGmdRKkcWTHlcYadFPmcZA"
    "RfdOAaeXlb8AFacDT/LHmcE/LHmdUTlcFGL/LHmcHmcIELkcJEDmdJ/VY0]!cKHmcOmdUAkcRF]edN]lcTmcVEZkcY"
    "UMfcZBbdCT/BA5AN-dOkdZ/Mmb9AGIfdJ/VY0]!cBZacCS/KH8S_$cDUGkcEAme/PmdTMacFDmcJOSacMKEmcOmcPO"
    "LmcROBkeOmcUBSldLkcVmdV]ecWmdUVacYJWkbA0DIZfdFORldRU=dSAJleIMkdVHPldYPVkc1AAbeFKbdBLbdDXbd"
    "I=eCJleXbdMRCldNBLbeCNkdSmdUIKbdYJlc2ABJvdGNGvdIXGldMBRvdTJZkdUCXveSFbdWXUldYGBvdZSDkc3FZH"
    "kdHIZldJFEbeJYadPNPveSYmdTUAldUNQ/LHbdYIKfdZFYveGQveOIac4INKldJAJbdKSEfdROBvdSBEldUZJ=c5ER"
    "IbdQZSmdUCHfdWMFfc6BEG=dDBBkdESQadIWPbdMCSldPJVkdQODldRUZadSVWldUGTkc7APUldBSKldETQadGALkd"
    "HHFkeOXkdIMOldJORkdKDU]edPUBkdRKWldTMUkeOMkdUKNkeRHvdVCRkdYEYkdZSXkc8EBLldGWmdKNDldPVS/BY4"
    "BBS-c9DMPadGYQkdUTYvbB0APKkeQBvdCBEadDJRmdJJYmeNfeRRvdLOWkdON/CSfeRNkdPXKldTEPveSUkdUGEkeN"
    "LfeVKkdZKZlc1BEDkdCKXveRTkeUUbdDUYbdEUJldFCXkdGCfeDRbeIWvdHGWldIEVmeJUveVDadJMXvdKACaeDPve"
    "LHkeYHbdMDZ]edNDEaeFCbeZBbdPCXleHPkdQCDbfEbdRUQvdSHEbeYVkdTUAvdUAGaeBPaeEKveHLleNXvePVkeZV"
    "vdWQLkdZKFveTY]ec2ALRveVB/LHbdBVXvdCIEvdFJYveWFkdJWVkdKWBvdLCQadMMXveRSvfYbdNMTveYNvdOIFve"
    "MNvePKvfMvdQQKvdRUZbeYPvdSVNkdTIDveSMvdVHYvdWKTvdYKJvePXbdZMEkc3BPKveTNvdCQbeYBkdDMTfeOVbd"
    "FDPldHXIbdIOCldJFKkdLUVvdNCRkeHBbdOXUldPJSldQBFbdSBOveEVldTTVvdUWVlfWldVLOleQEkdWAVbeLKldZ"
    "UD]ec4DXbdNGNlc5DNTkfYfdFCVldHEVkeVJldMTIldNNYleOWkdOWTleXRldRSJldUAB]leWUkdWPIfdYLGkc6CNU"
    "ldDAaeKJkdEGAldHJBkeQSfdIDK=eNBldLDFldPKFldQYHldSWLldZVPac7AKHlfQleMAkeRSbdBNGkeUFkdDDXleE"
    "LadEAldFSaeXJkdGldHNleWKadIBIkdJAkeBleHBldLJZkeONkePWldMEUldOVT=dPHTkeQU=dQEEaeKJleLBkdRQP"
    "aeWKkeXZkdSIQkdUBHkeQHleVRldVFZkeURadWDCleUPldYECkeNOfdZVZkc8JUTmdLJTkdNRBmdQKRkdSBGkeKXld"
    "TEWkdVYJkdYYAadZVPvc9ALR]edEHRldKHCmdLHTaeQG]ldMWGkdOECbeWXvdRWEkfJkeZDvdSZMkdTHDkdYGQlfRk"
    "eVEvfFvdZSZmeUSbbC0ATIkdBPXmdCWGkeYRkdDCVmeWDfdEFkfLkdGDHkeFGfeHHkeLNkdHFIleOJfdJVXkeYTfdK"
    "WSfdLLLkdNSVkdOKQkdPSZkdRMR/ATfdTKkeZLkdUURfeYKkdVDNkdWQUleSGfdYIHleSWkdZERac1CRVveUFvdDBY"
    "leLkeRVvdIHBvfOvdJLYvdKPLkeZIvdLVRkc2BYXkeZZvdCEEbeJLveLQleTMveYJmdDUOvdEKZaeMMveRSvfUvfYb"
    "eWBvdFbdGRZveSUleVSbdHASveLleRVkdIIT=dJNEvdKMUkdLETveHDkdMIUleYvdOJPkeOX=dPCVkeGWbeIOkdSRW"
    "ldTEvdUFO/LHbeXPvdVCRveSRkdWIK]ldYLldZSGlfHlfIlc3BWlfWkdDBKkdEUQvdGEOveZTldJYFvdMPGkdNUHkd"
    "QVNkc4/AB0KG]'eFT5YK]ieHF0POL]hfL1TJF^xiR^xeI0HCJ]'gQHM]'fK0AIH/P^%g7JGQ]'eK2ARB^xf6REF|ff"
    "C5AEX]'fD4VMM]ifE6ZYK]'fK6KO]'fL7RL`ueN0NHP]'f2TA]:f3SIG]'fK3T]'eR3CA_kf7C_kfW1AI]'eUA1PAC"
    "]'eVE0HSS{jeW1MRQ]'f3ASA_xgWKO_xiP_xf4OEP]'fA1O]'g2DKJ_kfB9YSD`udAAA|hg/NH6ON_kfC]ifGbeBme"
    "DNveFmdDCAbeXbdFUEbdHHSldKOTmdMXQkfRkdNIbeOJbeVLmdOPIkdPTIkeUHbdTIE/YLbeJBldUSA]'fB^xfC]'f"
    "HbfM]'fN_kfV]'dVNNbdWFMbdZTFbeUQac5AEX/KC4]'dBGQbeNNkdCHOkdDJAkeKTvdEPQbdFDRmeWSvdIBSkdJNZ"
    "adKIGkdLKFkfGkdNHLkdQNKfePJkdRDQadSLAmePGfdTHYkdYIBkeOBbfXkdZAAkeNfc6AAadCBBadFRJkdGPYbdHO"
    "XldJAEldMCCldPBKfdQQIldREOleJWkeYQldSHTleWRldTNIadWNWfeOBfdYIOleKDbdZLZkc7AFAffCfeSJleXOaf"
    "XldBULkdCMQaeOWkdDNTkeUTldEJCleLHleNMkdFWKkdGSOadHJMkeNCleOGaePFkdIleFUfeKEkfFkeNCkdJVXbdK"
    "ATlfWleBAleHWleJTleMRaeOPadLFMleGMbdMIJkePYkeROkdNFHaeHHbeRYaeZldOQZkeRJfdPLGlfJkfQkdRCPke"
    "XRbdSDC]ldTYTkdURLbeSAleYDfeZYkdVHFbeWUldWHYaeOAkdYIYfeXOleZRkdZKFac8BFNveKPadCSDkdDXImdEF"
    "IleJldGKKkdIRIvdJCSkeNVldKPXldLASbdMGMaeII/ATbeVWkdNMNmeOYkdUHFldVKYkdWWSkdYIVkc9ASCbeUAmd"
    "CMYaeVXldDBBmdEQSldFJEbdGQX]ldHIKkeYY/EOImhLUS100mhMMDmdIKHkdJDBadKEXldMCN]edNJGldRQZkdSBG"
    "leXXkdVLDkdWIBmbD0AA=dCLUkeZCkdDHUkdEBYfeTC/LHfdFDPfeJGkdIRKfeXUkdJJBkeNOldMSDbdNSGkdOAKae"
    "LJleNBkeXUlfYkdQLQlfRldRPDldVAKkfLkeQYldWVZldZODkeSPlc2BKvdCTEkdGKTkdKPCvdNPDkdSKJkdUVU^wd"
    "VECveQvdYJIvdZZVkc3CQ/LHbdFZldRF/VE2;dTB/BY4BZB-gVE2;dVac4CDL]edDQJfdEYWkdGVRleWldHVEadKSB"
    "adMEYkeLldNFWldQIT/LHbeJLkeWOldSGB]edTVSbdVMM/KC4]idYSPbdZXTmc5ACNfdBSKldDNAkeVVveWVkdEVEa"
    "dGALkeOFfdHDAleXldKVPkdLKYadMQCkfYfeUHfdNAHkdPIUleKHvdQJN]eePDkdRVDkdSHWkdTBQldWEVkeYPkdYA"
    "Xbc6APHldCVUleWFldDGaeLBkdEPDldFCTbdHYWldIPXldLRAleSSadNFVkeVXldOHUadRVYkdSAE]eeIY]edVTUle"
    "XI]edWEPaeW/VY0]!dYKSkc7APUaeWKkdBBXkeGPkeYJadCTVkdDIGkeUQkdFGLkeULkdGFGfeJX]leLOaeWIlfMld"
    "HTGleXFkeZAadIEOfeMMkfTkeRPafV=dKFTleLaeRKkdLMPafYadMGOkeWTadOOSfeTWkdPXMkdQARkdRFkeYCkdSI"
    "XkeKXbeMElfVldTOJkeWBkeZldUAGkfVbeVleZBkfGadVOIkeXEkeZGfdWIXaeJMleSQkdZIWaeTJkc8BVDfdCG/LH"
    "mdDDYkdGELkeMSkeVOldJOUkdKQLkdLNAfeYBldMDWadQMLadRMOkdTFY^wdWMXkc9GIZvdIAHleSNldLEadMRYvdP"
    "LJvdQ/MmeKSkdTEZleKkeWWmbE0AYJvdBRZ/MNfdDYMkdGFKvdJSBldKIEleKIkdPRXkdRWPkdSHvdTCWleMBfeUlc"
    "1MAvc2CXldKLbc3QL]edWWvc4DGRkeYEldGbeAJbeGDveNWfeYAvdITPmdJbeFBfdLJDkdMQDkdRCOkeNUfdSKHvdT"
    "HLvdUTTbeXQldWUEvdYBMbeEIkeLGkeSP=dZXQlc5CGAleVDkfTkdDDDmeQVkdFJMleOCkdGEBkeXXfdHHRkdJHSke"
    "TBkdLNGvdNLGkdPGXbdQDIffJffKkdUZNldVPOaeQBldWGZkeHTbfUbdZFHbeRKkeUMkc6AHXleTMbeXNlfPleYZld"
    "CQEfeVLadDLMkeUGafJkeXHkdEDJleVTldFNQkdIPMkdJXOldMKWbdOTKldQQldRAWldSYDkdTCEkeFRleISlfXleK"
    "QldVNImeUBkdZYK/KC4]'c7BAQkdDESlfTleFKafOadELLkeOPkePZkdFJAleNCkeSKleXMkdGMC=eOEkdHEWleKKl"
    "eMJkdIPG=eVYaeZSldJTXleXVadKATaeRQleYUkdLDSaeWNldMWldPEQleIZleXVkdQMLldRCTleVEadTRXkdUAJle"
    "VleWldZXHkc8CCSkdLGDldQBldROkbF0EXRkdFMQlc1Obc2HC]ec3Lkc4CGR]edDWAldFQRldIBWleZEbdJETkeLZl"
    "dKPOvdLXGbdMSI]edNBSbdOLRaeOBldPKVbeLRkeRMbdSGAleJfdTBDkeZGvdUFC=eJCleRDldVHSleYHvdWGXbeTX"
    "vdYFDkdZDBveLAbc5AHWldCVMkdETWkdFJQkdHFBkeJCkdIBNfdJFXldLBQadMXMlfPldNDTkeHRfdPWCbdSTObdUB"
    "PbeLC=dVYLldYGNvfXveYKkc6AWGkeXSkdBMFkfVfeOVkeSldEJRkdFAYmeDGldGNMkdIAObeLAafCkeOTkeVVldJV"
    "FadKAGadLGKkeQFaeWNleYUldMFKkeQTldNHFadOGJveHLleSAldPHCleJleNAbeQEldQOJkeZDldRLPleMGkePCkd"
    "SHSkdTGRkeILbdUPQbeWTkdVGTadXCadYYHleZRldZALleVSlc7ARCkdBMU=dCNOleOQ]leXJkdFLLkfMkeQvdGCFk"
    "eKYkeNPleTKkfT=dIJLaeNGkeTNkdKADaeTHkdLEXkeRSleUAkdMVMkdOJRleUJldPCJkeFNkfTkeSSkeUQkdQMXle"
    "VMldSEEldTFOleUUfdUFYkdVBOkeUKldWUCkeVEkc8ZBkbG0XRlc2IAkdMTbdQH]lc44WW^idAC^ieS^ieW^ieY^id"
    "BBXkeKW=eP^idCANleZD]edDFXbeLAveY^idEEGvfLveM^ieU^idFJBldGYObdHF^ieH^ieZFldIJS/0feRCveVOvd"
    "JKJldLA^ieB^idMA^ieGLleLBbdNBL/PkeE^ifXbeIYbdOXDkdSC^ieGClfVleS^ieUEkeZC]edTJSkeMLleZDldUL"
    "TfdV/1beCCvdWAHbeH^ieNZkeV^idXP^idZK^ic5AFYvdCHleNOldDBPfdEQNkdFVYbdGDFkeTDkdHMMlfNkdIVPad"
    "JQCkdKHO]edMIBkfOkc6AAYaeGT=eJQaeLNkePPaeRL=eWUfdCFCaeJAlfKldDTIkeVleX=dEFDaeLBbeUNaeZWldF"
    "AEaeJG=eXFadGBaeQ]ldHFKleRXleTQkdICDaeERleFaeGYldJARaeBEaeDX=eEIaeFOaeHCafGffHafWaeIHafPaf"
    "QafRaeJPlfYaeKGafR=fSafT=eSHldKVR]edLFXldMBCkeLAleZJldNAAaeNFleQIldOOBldRIaeJafEkfIleNbdSA"
    "DaeB]leCleDDldTALkeEZaeFIleWZ=dVCUbdWWVveZDldZRYlc7ARTleSPaeUDkeYUldBFKkdCJIleURkeVRbdDCN]"
    "leVIkdEBDmeUafPldGJLkdICSadJHHleVJkdKDPldLBWbdMIKkdOQCkeUFkeYEkdSEQkeRSkeVMafNadTGEkeSDldV"
    "WFldWX=dZEVkeJMlc9KGvdMDRlbH0AFfeIleSadBEmeRaeUaeZfdCAaeEfeGaeUfeWbdDHaeJaeWfeX=dEN/KT]leS"
    "=eXfdGbdHaeLleQaeRbdJAaeJaeOadKadLYadNFkeGkeIbdP=dRFkdSHadTF=eLadUM=eNmeVadVadWF^weJldXaeD"
    "aeObdYTbdZZbc2ABbeIfeKbePfeRmf/4meYadBAbeDaeHfeIaeRaf/6ag7feXmdCaeHaeWbeZfdDbe/4beCleFff/5"
    "feNmeXadEAbeEbeHbeIbePmeVfeWadFFfeIaf/6aeJmeMfdGaeGaeMmeNaeUM/PbeV]ldHaeBbdIWadJAaeHbeKfeX"
    "adKDbdLUaeWaeZadMDleVadNCbdO]leJaePff/0fdPbeMbdQEaeHaeLaeYadRbeKaeLbePmeUvdSKaeLfeRaeXbdTB"
    "feDleEleIbeJaf/6ag7agPaeQadUGbeVbeYbeZbdVBbeL]leMbdXDfeNbeOfePaeQ]eeR]eeWadYGbeIleJaeLaeNk"
    "eOfdZaeMac3ACbeDaeElf/MleFleGbc4AAveBaeFmeGbc6ABafAfeDmeEbeGaeHQbeLNbeMEbeSadBK/KH8_$eMDae"
    "RYaeXZaeZF/8mdCAfeGbf/4beJDaeNaf/7aeOLafYaeQGafHag/7aeSbeTbfQaeUJbdDALafNfeBaeDWaeEaeHFafK"
    "meLK/0feMfeOTaeUTaeX/Mah6aeZadEAMaeDbeEaf/7aeHFaeIaeOmdFEaeHafSbeKA/7aeLaeOXaeQRafYaeUadGB"
    "afQaeCaeDNaeGCfeJVag/6aeKafRaeNaeRbfGbdHDAaeFObeHSbg/4beJEaeNLfeObfUafWbePafQfeQ=eTVfg/0fe"
    "UaeWKaeZbdIAaeCQaeDFfeHBaeIfeKmfCafHafIbfLaeLRbg/3bh4bfTmeMNaeOfePafJaeQDffXaeTIbfYfg/MfdJ"
    "AUbeCCbfTafVfeEMfeFHffLaeGAbfDaeIMag/7afQfeJDbfNag/PafSaeKLafQbeMKaeNafKafWbfYmePBmfJafOae"
    "QWmeRafBafCafLafWaeSaeTafEffMfeUAbfCafKbfMffQaeVFffLffSaeWGafJag/6adKG/5feImeK=eMmeNaeSaeT"
    "aeZbdLDObeEMaeLfeOaeXfdMbe/4bfMbeB/5feFaeIbeJbeTbf/4beVadNaeAaeCbeDaf/7aeGaeIbeMfeOaf/7agM"
    "aeRfeUa",
    "dOaeEmeKaeUbeVaeYfeZfdPGafA/6aeMaeOIbeRafDfeUbeWaeXbdQAIag/7afJadRDmf/4meEbeFbf/1bgMbeONfe"
    "PbeVfeWaeYadSATaeBfeEVaeKYmg/4meMmeP/5feSaeZfdTGfeLfeOaeXaeYbf/RbdUCfeKaeNbeQaeSAaeVaeWfeX"
    "mdVCaf/6aeHFfeIaeMaf/7aeOfeTaeZadWEbeHaeLaeXaeYbeZadXGaeHbeJaeSaeX/0fdYLac7ALff/MfgPfeRaeX"
    "adBUfeWkdCBaeDbf/1bg6aeFfeMaeOaeSaeUfeZadDAbf/4beFaeKmeMbeRmeYbdEImeMadFBfeCbeJaeRaeUbdGAb"
    "eFfeMbeZbdHAfeHaeJaf/4beWKaeYfdIaeCfePaeZadJEfeIaeMmeObf/2beRadLEadMEaeRaeXbdNEbeIaePaeSad"
    "OCbeVbeXfdPLbdQIfeJfeLfeOfeSaeTfeUadRaeBaeDaeQaeTmdSBaeEfePmeQaeRadTGaeJaf/6aeRaeWadUBmdVB"
    "aeCaeDaeEadWKbeNaeOaePaeRaeSaeUbeWaf/7aeXadXae/7aeS/4beTbeX/6adYae/6aeDaf/7adZCbeDaeTmc8/W"
    "H7S_$dAaeBaeCbf/1beFaeHaeZadBGadCGfeNbeWfdDaeObdEadFLadKbdS/K3UY_$fNA6M_$fW8TN_$eI_$dUbdZl"
    "eKbc9AAaeEfbI0HMaeZmc4ASQmdCAUleOGkdERCkdFHGbeJKkeOE]eeZD]edGAGkeCFkeDIkdHCZldIGBmePIbdKKH"
    "=fI=dLRJvdMGSadNGYkeOHleVIkdRGFvdSETkeOMkdTSWvdVAKbdWOAvfBvfIbdYAFleOGleRQkc5DQLfdEEEbdHPI"
    "kdJLVleZCvdKBNkeQHvdMKHfdYDRlc6BGRkeLD]edCRLldDESkeVJldEFYldFPLfeTEldGIGbdHBZleGWkeOGadJEC"
    "ldKWDldLPTldNOCldPSmdQDQleQJldSNPleVSfdVYBldWBSkeOJldYXZkdZRVleYOkc7AUZldBKQkdCORkdEZGldFJ"
    "WafXaeUTldJOW/GadNAUldOSldPEZfeZkdQZQldSSW=eWIkdZTQlc8JTkbJ4AYNbdBHOldETGfeYVldHEWkdIAQkdK"
    "NDleZNvdLOZvdNPKkdPSVkdTATvdUPNveXJvdVSDvdWDIbeIQkeOIldYOYkdZWIkc5APBlc6AYQ=dBZ`gdCAVleKZl"
    "eOMlePNleQTldDCHkdEHVkdFDFldGDWkeYDldHFmdIR]edKCJ=eRGkdLAWlfXleBIldMQLleSJldNIAlfBlePJkeZH"
    "ldOVvdPEHlfSaeSYldQQTleXR=dRFQkeGWldSGYleKCadTHQlfSleJZldZSXkc7BTldFOIkdIRkeXGkdMYkdOKCkdU"
    "OIldYTOkbK4AMVkeOZvdBANkeXJvdCASkfUkeHHkeLSkdDCXvdEBEveECleGTldFKYvdGKZvdHLBvdIUTldKPXleXS"
    "ldLREkdQAXleXEkdRNFleYGkdWWHkfIkdYITbc6BRWleVHkdCAUkdDITleLHfeWSldEJldGMleRCleVF=dIMBkeUYk"
    "dLLkdNRFkdOMXldPGAlfVkeLAkdQAIfdRMldSNSkdVJNldZaeQleZElc7AV=dBVDkdEDBldIkeVkfLkdOZfdPW/BA4"
    "DW-dSTLkdWRlc9WmbL0AAaeEleFfeGbeHmeIaeLaeNaePadBGbeXmdCAaeMaePmeWadDFaeGaeNmeRaeTaeWfdEQfe"
    "RaeTmf/MmeUaeXfeYmdFFmeOXfdGImePfeQfdHUfeZadIFfePbeRaeSaeWaeXadKCbeE/4bdLbeBmeFaeNmePadMGb"
    "eOaePbeWfdNfeMaePaf/PaeRmeTfeVfeYmdPCaeDmeEmeGfeMmePadQDaeSadRAaeNfdSbeAaeSbeTbeVfeZadTmeF"
    "feKleNaeQaeRaeUaeVbeYbdUAbeDbePfdVBaeDbeEbeHmeMfeUbeZadWFbeHfeIZfeNaeVbdXIfeJbeMfeNfeTmdYD"
    "adZAaeFaeLaeYfc1A/2beAaeCmeEaeHmeKaeNbeVbdBMmeQadCNNbeQadDAfeJfeNmeOaeSfeWaeYfeZfdEDadFEae"
    "IfdHAbeCaeEfeFaeSaeTfeXfdIFff/MfeGmdJfeFaeSadKaeJfeMbePbeUaeWadLAbeDfeEaeFbeVmeZadMFaeMfeW"
    "fdNERaeKbeOmeRmeSbdOCbeHaeKbdPAbeUaeVfdQLaeNmdRHaeVaeXfdSEmf/4meF/7aeObePaeSbdTbePleQaeSfe"
    "UfeVfdUaeAaeMaeRfeSmdV/MfeNfdWDbeE/6aeGfeOfdXFaeIaeKbeQfeRfdYfeOaeY/7adZAmeNaePaeRaeWfc2Aa"
    "e/0ff1bf2bf3bf4bf5ff7af9meKbePbeXbf/5fdBGfeOaePaeVbeWaeYaeZadCDfeQaeVaeXbdDbeMbdEYbdFDaeLa"
    "eUfdGAbeBmeGbePbeRfdHCfeKmeNfeVbdJYadKaeLbePmeYadLAaeKmeNaeTaeUmdMAaeBaeIbePaeQbeUbdNImeJa"
    "eLaeNbePbeQmeSfeUaeWaeZfdOHaeJaeYfdPaeSmdQEaeOfdRAfeBfdSXfdTDmePbeRaeVfeZadUMbeOfePfeQbeRb"
    "eYmdVAfeKadWEaeFmeLadXFbeIbeQadYDmeHaeIfeOaeQaeUmdZJfeKfeLmc3BGbdDAmeBfeLaePfdEMfeTaeVbeZa"
    "dFAbeEaeIfeNleYadGKbdHGbeKfeLaeMaeNaeQmeXfeZfdIAbeCaeGmeIaeMaeOaeQmeWfdJBfeCmeLfeY/6adKBbe"
    "CbeFfeGbeHfeIfeMfeSfeZfdLCaePmeYfeZbdMAfeBfeCfeKaeLaeMaeWfeZfdNEaeOaeRbdOKmeQadPDaeGmePbeV"
    "mdQSfdRAmeHadSAmeHmeMfeTfdTBfeWaeYadUXbdVAbeJaeNfdWMbdXbeBbeJmeSadYHadZCbc4AOadBQadCbeObeX"
    "meZbdDDbeVbdEbeJmdFXadGWaeYadHbdIPaeYfdJbeNfeQfdKAmeFadLJfeSfeVadNEbeGaeQaeXaeZadOGadPQmdQ"
    "GbeJaeWaeZfdRAfeKHaeLfeYadTbdUNaeZadWVbdXbeKbeRbdYFDadZbc5AmeYmdBFfdCDmeSaeXadDY/4bdGKfdLf"
    "dRmdXbdYJbdZfc7AbeBaeDaeEaeFbeHfeKaeLmf/9meNaeRfeTaeUfeWaeXfdBBaeCDfeDafCaeGRmeHaeJaeLfeOB"
    "feRaeSaeTaeURaeXffPaeZ/5ffLfdCaeDfeEmf/1bg6ag9meMaeNaePOaeRaeTaeVWaeW/6aeXfeYadD/MkeAbf/4b"
    "eBfeCaeFaeIaeJaeKaeLbfGaeMaeSmfIaeT/4mfJfeYSaeZQadEAbfEafLaeBEffNaeDfeFafLaeHaeINaeLDaeMHf"
    "g/MfePff/0feQQfeUaeZmdFfeBfeDbfQag/7aeHImfKmfXfeIRaeLRafYfeObf/PmfZaeQRfeRQaeSadGAaeBbeCSa"
    "eFmeKWafYag/0feLKfg/0fh3bhBffLbeN/MmfWfeRFaeTaeUadHbeBafVaeEbeFffI/7afVaeHfeIafMbeJRafZbeL"
    "FaeMafKaeNYbeOTbeQLafRag/6afWbeRff/3beSGffRafYaeVbeXbdIbeALaeBTafVmeDafMffTbfYag/6aeEIafKb"
    "eFKaeGafBaeHKaeIKaeKffPmfRmfVafZbeLaeMEaeOPbfWaePSmfVaeSBafEafNaeTFfeUCmfIbg/3bfQbfXaeVbfK"
    "mfYbeWC/7afFbfTffUfeXIffXbeYKmg/8meZCafWfdJABmfRffUbfVaeBEaeCQbeDQafSbeEAafFbfSafXfeFRbeGa"
    "fJffSfg/MfeHMbeIEffJafMffQafUfeJEafNbeKCmfSafVaeObeRbf/0fg1bg5feTbeULfeWfdKAaeFaeG/7aeNPae"
    "RTfeSWaeTDafEafFafGafHafIafJafKafLafMafNafOafPafQafRafSafTafUafVafWafXafYafZaeUAafBafCafDa"
    "fEafFafGafHafIafJafKafLafMafNafOafPafQafRafSafTafUafVafWafXffYafZaeVAafBafCafDafEafFafGafH"
    "afIafJafKafLafMafNafOafPafQafRafSafTafUafVafWafYafZaeWAaeXadLGaeHfeIaeJfeSbeTmeXaeYfeZadMa"
    "eAfeCaeEfeFaf/6agMaeGfeHfeJbeLfePfeQaeUmeVffXfeYaeZadNAaeC/IMDkfObeEfeIfeLbf/2bg4bePaf/7ae"
    "TbeWfeZ]edOAaeFaf/3beGmeIfeLaeObePaeQbeRaf/7aeSaeYadP/4beCaeE/MfeKmeNleOaeSbeZfdQAaeCfeHbe"
    "Kaf/140ag7aeOL]leRaf/7aeT/7aeUbeWff/0feXadRaeCaeFmf/8meHfeIaeKaeL/KC4`ueMaeNaeSaeTaeWSfeZf"
    "dSaeB/0feFDfeGfeKaeLaePaeRbeVaeWmeYadTaeDmeJZbeN/5fgPleUaeZbdUfeBleHFfeLfePaeSI/1bh2bh5feT"
    "aeVfdVKaeLaeNaeObePmeQaeUaf/6adWAbeCaeImeMaeNaePaf/7aeTaeWmdXAfeFfeHfeLaePfeSfeTldYJaeLfeN"
    "beQaeTmeXaeY/0fg5fg7fgMadZDfeHaeTfeWac8DXbdRVadSUfdXmc9Afe/1bf3bf7ff8mdERbdMEKmdPCabM1CC/I"
    "MDbc4AGLkeKAbdFPSmdIPldKWSkeXkdNICkeVB=dOEkdPJHkdTJIkdUUMkdVDZvdWGIvdYBNveJH^weSRvdZJWveWY"
    "vc6AWldBIaeOQmdCTOvdEEDkePQadFCfeDfdHPEldIKldNFSleOLkdPQadRMbeWEldUVPldVFadWZldYODkc7NabN4"
    "AWHvdCCYmdENRkdGNOveYFvdHGDkdIAS=eBDveDVveGPveLOveNPvdJCCvdKPXvfYveYOldLJDkeVP=fSkdMGXkeNT"
    "veRXkeTFkdNARveLZvdODNvdQBTveZZvdRECbeXCkdSKZvdTNCvdUANvdYTAac5Gfc6BEldCIDldFPMkdJOYkdLTYk"
    "dNAHldZUlc8AQRldIVEkbO4ALI]edBNKldDHNkdEGC=dJB=dKSFvdLCMleKZ/YLbeNNldPCQveTOkdRRbf/BY1PK-d"
    "VSCkdZYOlc6KWldQTlbP2AEbeFbeVbf/4beZfdBKaeUbeXfdCBaeHbeOmeRbeTadHveCbdLbe/4bdNbePbdQLbdRbe"
    "FmdUbeSbdVbdXfeXmdYfdZvc3AKbeMGbdBLbeNaePbdCW/SKPvdDFbdFTbdGEbdJOSmdLMbdMbdRE/LGTvhHvhTveK"
    "bdSKbeWbdUbdVA/MmdYbeLac4ADbeKbf/2bfBmeMCbfGbfZmeODbg/4beQImeSGbeTVfeVUaeWSbeYIbdBBNbeECbf"
    "PbeLSbeMbePRbdCAMbeBPbeELbeFLbeHmeImeJbeMLbePPbeSJbfZbeVfeWbeZbdDAbfCbeDSbeGFbeJTfePQbeQSb"
    "eSOaeX/6adEmeC/1beDLbeFbfZaeHbeIAbeMYbeNKbfMaeORbg/4beRRafTbeS/LvhGTvhHvfCbdFBSbfTaeCbfFbe"
    "D/IARUvfEbeFffObfWbeGIbeHAfeIRbeJEbeLPbeMDbeOFbeRA/IARUvfD/LHvdGbeB/3beE/9meMCfeVTbeWbdHEb"
    "eMRmeNbeRbdIbeIbePbeRImeTbdJBbeCbfCbeDRbeEffLmeGfeLDbeMPbeOSbeRBbeVfeWRbeYfdKAbeDbf/4beE/4"
    "beFbeWBbdLEUbeFbeMDbeQbeUVbeXbdMAbfSmeDaf/PveHGbeLFfeMGbePRbeRbeSPbdNbe/3beBIbeDbeHNbeIbeK"
    "EmePLbeWbdOObdPCbeECbeFbeMbfDbeRE/EVNTvfIbdQbeTbf/4bdRbeCDbeEYbeGDbfTbeMMbeOPbeRCbeTbeXfeZ"
    "bdSLmeUbeVbeWRbdTLbeOMmeRbdUBaeFObeKbeSAbeVbeZadVMRbeObeP/LHveQbeWbeZmdWGmeKbePDbeRbeWbeYb"
    "dXmeObePbeXbeZfdYHbeLVbePfeYfdZDmeEMbeFbeGfeVbeWaeXbbQ1J]lc3Nfc4BERbc6CDldMldOB/SFac7AabR1"
    "LLRlc4AbdSQvdWVkc5Dac7O/R]ebS0CfdOfc3Kbc6CQadEL^wdFS^wbT5X/US0Q]dc6Vbc8X/BY4BNS-bU1CW/BY1R"
    "X-i4AE-jDX-c4JIvdOYlc6AadZabV2AAbc3Xkc4/W2KW]edAAmeBbeD]eeEbeMbdBA]eeQaeT]eeW]eeZmdCF]eeIb"
    "eQbf/P]edDBbeNbeXmdEY]edFCmeZ]edGJbdHR]edIH]eeJbdJC]edKIbeVmeW]ec7Nae/MabW1DX/MbdWbc2G]edX"
    "]lc4GVkdJCldXDbc6CRlbX2ABfc4ESlc5DXfc6RTGlbY0Cfc1Ilc7JkdWabZ5DXfc6HJCkdTlc9VmaL20X/LHec1ES"
    "C/LHdc5E/Ddb30DIM/DddEY/DdgEdgVeb40E/Ddc4D/Ddb50DVA/DdfB/Ddc3DZV/Ddb75DT/Ddb80AA/Ddc2D/Ddc"
    "4VI/DdbA1BFA/U.dEK/E.eNA/H.dG/H.eZ/K.dIO/L.dK/U.dLO/H.dMFA/X.dRSA/X.dTV/F.dU/X.dYE/C.c2AB/"
    "C.dD/F.eS/C.dHFA/C.dOJ/Z.dSM/X.dT/U.c3BO/Z.dCC/C.dDV/F.dF/C.fE.dOCT/H.dTK/E.c4AAA/U.dC/L.e"
    "IA/H.dEJ/W.dKF/K.eQ/X.dNE/X.gY.eL/X.dPM/U.dRI/Y.eT/U.dXX/U.dYW/U.c5A/Y.dFH/Z.dG/E.dHE/H.dM"
    "T/D.dSAA/L.dUF/H.gZ.eH/Z.dYE/F.eI/F.c6DW/C.gS.dFJA/E.dGX/X.dM/X.eT/D.dOM/C.dQT/X.dTPA/V.dX"
    "I/F.gZ.c7AK/L.dDHA/C.dFF/F.dHAA/W.eJ/W.dIM/X.dQI/L.dTO/L.dVK/C.c8FTA/D.dG/U.dNHA/F.eSA/F.d"
    "OM/K.gL.dQI/L.dTIA/C.dUL/X.dWG/V.c9BM/F.dDFA/D.eK/S.dFG/P.dGY/U.dIX/U.dJM/Z.dOI/C.dYBA/W.d"
    "ZL/I.bB1JG/C.c2TB/F.c7FA/F.bC5W/W.c8C/C.bI3C/D.c7HJ/W.dVK/C.bJ3RE/E.c6BG/L.bO0D/Ddc60CN/MA"
    "dc7E/DdbP0B/XPec1A/EdbQ4D/DdbR1A/DdeW/Xec3D/DddEJ/Ldc5AQV/DddEUV/DddYUS/Hdc8VB/Vec9LCI/Gdb"
    "S4AA/DdgFdgHdbT2F/DdfFdc5D/LHddV/VedX/XPec7W/LGTegHebU/DH4PB/SddFT5YJ]ihK]idG0HFX/Z]idR1AN"
    "F]hdUA4WHX/Xec1AAC/DdfE/DdfS/DdhLdeCG/GPdfP/DdfX/DdeEE/DdfT/DdeF/DdeGP/DdeIM/DdeLF/DdeM/Dd"
    "ePR/DdeRC/DdfG/DdeS/DdfP/DdeW/DdgEdgXedBCE/DdeDB/DdfR/DdeMD/DddCBQ/DdeGB/DdeHD/DdeL/DdeOA/"
    "DdfP/DdhEdePF/DdeQM/DdeSP/DdeT/DddDAA/DdfR/DdfS/DdfX/DdeBI/DdeCB/DdeD/DdfK/DdfO/DdfX/DdeHO"
    "/DdeI/DdeK/DdfD/DdeLB/DdfF/DdeMA/EdfK/DdeNC/XefO/DdfQ/DdeP/DdfZ/DdeQ/DdeS/DdfO/DdeU/DdeVE/"
    "DdeYP/DdeZ/DdgEdgHdgLdgSdgXegYefR/DdfW/DddEDX/VeeEE/DdfZ/DdeFF/DdeIT/DdeJ/LHdgWegYLdeLP/Dd"
    "fY/DdePC/DdhEdfF/DdeQ/DdfU/DdeRA/DdeST/DdeUU/DdhWeeW/DdeXU/DdeY/DdeZ/HddFFF/FdeHE/FdeMC/Fd"
    "fS/FdeSE/FdeUJ/HdeVG/FddGQQ/GPdeR/GPddHBD/DdhHdeCA/HdfG/HdfP/HdeFF/HdeH/HdeK/HdeLH/DdhHdeP"
    "R/HdfW/HdeRA/HdeYL/HdfW/HdeZY/OddIAL/IdeBM/IdeG/IdeI/IddJAP/LdeB/HddKAF/KdeCQ/DdeWC/KddLAA"
    "/LdeT/LdfL/LddMAW/DdhYedQAC/HdeR/VedSF/SddUG/UdeM/UdeP/UddVAP/OdhVeeBC/VeeCK/VefL/DdfS/Veh"
    "YeeDF/DdhVehYeeEG/VefL/VeeFP/VeeHP/VeeKQ/VeeOF/DdhLHehVeePH/VeeYL/DdhVehWehXOehYeeZ/VedWBM"
    "/WeeCL/XAefR/VehWeeF/WefU/WehXAeeIY/WeeJF/WefV/VefY/VehWeeL/WeeM/WeeP/WeeRF/WefV/WeeUD/XAe"
    "dXA/XAefB/VefV/XAefW/XeeB/XehAefK/XAefR/XAeeMO/WehXAeeOP/WeeP/XPefD/XPeeS/OdeWC/EdeY/XeeZ/"
    "DdgHddYAE/YefX/VeeDC/YeeJG/VeeU/DdeY/DdgVegXAegYedZA_ef/XAeeC]heI]hf/HF0POL]heS]hc2AAS/Ddh"
    "YeeBT/DdeCH/DdeEZ/DdeFE/DdeGQ/DdeHB/DdfE/DdeLE/DdfF/DdeMM/DdhUdeOP/DdhWefZ/DdeRG/DdeSV/Dde"
    "VC/DdfG/DdfW/DddBB/DdeFM/HdeJA/DdeN/DdeOE/DdePM/DddCAM/DdeDE/DdfO/DdeHP/DdhEdeI/DdeJV/DdeM"
    "/DdeN/DdeRM/XAeiBefV/DdeVJ/DddDAR/DdeB/DdgVeeG/DdeHM/DdeJB/DdhPOdfC/DdfL/DdeKN/DdePW/DdeRT"
    "/DdeSV/DdeT/Ddh/LHdgLGTdhHdeVF/DdfI/HddED/DdfC/DdeE/DdgEdeFI/DdeGA/DdfI/DdfP/DdeHA/DdeIT/D"
    "deJL/DdeK/DdeLT/DdeM/DdfQ/DdeNG/DdfH/DdePL/DdfP/DdeRA/Z_efC/DdeXS/DdeZG/DddFBX/DdeDA/FdeGD"
    "/DdhFdeLB/FdeNA/FdfH/DdeP/FddGOO/LddHA/HdfE/HdeC/HdfG/HdeEA/HdfQ/HdeJ/HdeNV/HdeOD/HdfN/Odd"
    "IP/IdeV/IddJFC/DddKLC/KddLDB/LddMAA/HddSN/LddVA/VegYeeC/VefD/VefR/VefS/VeeDQ/YefV/DdhVeeJ/"
    "WefU/VeeV/DdgVedWA/LGTegWegXAefS/WeeBA/XAeeC/UdgWeeGG/WeeJV/VehXAeeRB/XAeeV/OddXAN/YeeBI/X"
    "AeiBeeWL/XPeeX/XehAehPedYF/DdeMG/Yec3AAL/DdhGRdeDC/DdeIY/VeeJL/DdhHdeOI/DdeRE/DdfM/DdeTZ/W"
    "eeW/DdeYE/DdhLddBMW/DddCA/DdeM/DdeRA/DdeT/DdeW/WedDAB/UdfR/DdfT/DdhEdeBJ/DdeC/DdgVeeEY/Dde"
    "FD/DdeGP/DdeH/DdfF/DdeJ/DdfA/DdfB/DdfI/DdhWefT/DdeK/DdeLF/DdeMZ/DdeN/DdeO/DdgZ_efC/DdeP/Dd"
    "fH/DdeQJ/DdeR/DdgVegWefM/HdfP/DdhEdeSR/DdeVN/XeiPeeXG/DdhVehWefI/DdeY/DdfN/DdeZO/DddEBS/Dd"
    "eD/DdfU/DdeEA/IdfC/WeeFL/DdeGC/WefT/DdeJ/LdfD/DdeLR/DdeMB/DdeOU/DdeP/DdgIdfA/DdfE/DdeRU/Dd"
    "eS/DdgVegWefY/DdeU/DdgEdeZA/DddFCA/FdfI/DdhFdfR/HdeGG/FdeLG/FdeMD/FdeN/HdeSJ/FdeV/FdgVefH/"
    "FddHAT/HdfZ/HdeBC/UdfS/HdeE/HdeGB/HdeKA/DdhHdhWeeL/HdgOdeN/HdeO/HdePW/HdeRS/Z]ieT/HdeU/Hde"
    "ZK/HddLAB/DddPCJ/MAdeEX/DddUU/UddVAL/VeeCC/VeeE/VeeHE/VeeMB/VeeSE/VefM/VeeTG/VedWAM/WeeDT/"
    "WedXAP/HdhXAeeEI/XeiAefM/XeeQN/VeeUC/XPefJ/XPeeYL/XPedYA/VeeEP/YeeK/WeeLF/VehWehYec4AA/Ddg"
    "FdgHdgKdgOdgVegXdgYegZ]hfO/DdhEdeCA/DdeDE/DdeGC/DdhLdeJC/DdeKS/DdeRU/DddBAN/DdeFP/DdeME/Dd"
    "fG/DdhUdeR/DddCDL/DdeJM/Z]heMF/DdeS/DddDBL/DdfP/DdhVehWefT/DdhVehWehXAefV/DdeCE/DdfY/DdeDL"
    "/VeeEH/DdeGC/DdeHA/DdfC/DdfE/DdeIS/DdeJB/DdeK/DdeLF/DdfJ/DdfL/DdfN/DdeMI/DdeOA/DdePB/DdfL/"
    "DdhHdeQ/DdgVegWeeRC/DdhWehYefH/DdhEdfW/HdeVD/DdeX/DdfG/DddEAE/DdeDA/HdeET/DdeFC/LdeG/HdfP/"
    "DdeHP/DdhVeeJ/DdfS/VeeL/DdgYeeOS/DdfU/DdeRS/DdhIdeSP/DdeTD/DdfJ/DdfN/DdhFdhHdhWeeV/DddFKS/"
    "FdeM/FdgGdhPdgHdeNO/FdfP/FdeOO/FddGF/GAdeO/GAddHAP/HdeD/UdeK/HdeMA/WeeOQ/HdeSA/DdhHdhLGHde"
    "TD/DdhHddKC/KddLAD/LdfS/LdeBU/LdeG/LdeMA/LddMA/DdgHddOAC/OddUWZ/DdhUddVAU/VeeBW/VeeDG/VeeE"
    "/VefN/DdhVeeMB/VefG/VeeSD/DdeV/VedWAP/DdeCD/WeeFE/WeeG/WeeSM/WedXAP/XAeeEG/XAeeFN/XAeePE/X"
    "PedYAB/YefD/YefL/YeeBZ/DddZD_ec5AG/DdeHN/DdeJX/VeeKS/DdeLE/DdfS/DdeM/DdeNL/DdeQV/DdeRS/Dde"
    "SA/DdhFdeVD/DdeWY/DddBBV/DdeDS/DdhVeeE/DdgGRdgXAehCeeOJ/OdeTL/DddCBA/DdeFI/DdeRE/DddDA/Ddg"
    "EdfS/DdeCO/DdeDH/DdeEM/DdhVehWeeF/DdgXefR/DdfT/DdeGG/DdhHdhUdfI/WefR/DdeHE/DdeIT/DdhVehWee"
    "JE/DdeKE/DdeLH/DdfT/DdfZ/DdeMG/DdfI/DdfP/DdfR/DdeQ/DdeRV/DdhVeeSH/DdfM/ANTdhDdeT/DdfB/DdfF"
    "/DdeUC/DdeVB/DdeWS/DdeX/HdeYT/DddEAO/DdeC/DdeD/DdfS/DdeFG/DdeH/DdfC/DdeJL/DdeM/DdfB/XefG/D"
    "deNC/WeeP/DdfB/DdeS/HdeW/DddFAY/HdeB/FdfM/FdeCL/FdeES/FdeF/FdeHD/FdeJ/FdgHdfO/FdeYX/FdhHdh"
    "VeeZ/DdgEdgFdgGAdgIdgLddHA/HdfZ/HdeBP/HdeCB/HdfW/HdeD/HdeFW/HdeGR/HdeIO/HdeJC/XeiPefK/XPee"
    "LR/YeePM/HdeR/HdeTA/HddIAL/IdfO/IdeLA/IdhLdhYedJAH/DdeIB/DddKAH/KddLA/LdfE/LdeBV/LddMFD/We"
    "dOD/DdgOdeM/KddUBI/YLdeEA/UdeFM/UddVAI/VefS/DdhVefT/DdhVeeES/VeeFL/VeeIE/VeeLB/VeeV/VedWOT"
    "/WeeQF/WeeSA/WeeT/WefE/HddXP/DdgXeeWA/XPedYBJ/VefR/DdhVeeEC/VehWehYeeF/DdgVegYefB/WehYeeUS"
    "/Hdc6AER/DdfS/DdeMT/DdePD/DddCN/DdePS/DddDAI/VefX/DdeBL/DdhVehWehXeeC/DdfT/DdeDC/DdeG/DdeI"
    "E/DdfO/DdeK/DdfT/DdhVeeL/DdfR/DdeM/DdeO/DdgVeeRD/DdhEdfN/DdeSA/DdeTB/DdfJ/DdfT/DdeXJ/DddEA"
    "G/DdeC/DdgWefW/Z]ieDC/DdeE/DdgXAefG/DdeFG/DdeGO/DdeI/DdeJJ/DdeKL/DdeLP/DdeMM/DdeNA/DdePE/D"
    "dfR/DdhEdeQV/DdeT/DdeU/DdeVD/DdeWR/DdeXD/DddFE/FdgHdfC/OdeHO/FdeLZ/FddHAS/HdeBB/DdhHdeCA/H"
    "deGH/HdeHR/FdeMT/HdeQH/HdeTR/HdeWT/HdhOddJJ/DdeRA/LddKAQ/KddUAL/DdeBM/UdeO/DdgSdgUdeVI/Ddd"
    "VA/VefC/VeeDT/VeeEK/WefO/VehYeeFL/VeeM/VegYeeR/VedWAZ/WeeFV/WeeG/LHegWedXAH/XeeQ/DdgHddYAB"
    "/YeeBK/YeeSG/Yec7AA/DdgUdeC/DdeDC/DdhHdfN/DdeEA/DdeIT/DdeRI/DdfS/DdfT/DdeVW/DddBSN/DdeTO/D"
    "dhEddCAW/DdeC/DdgEdeP/DddDAC/DdfF/DdfJ/DdfR/DdeBA/DdfL/DdeCE/DdeD/DdgWefC/DdfO/DdeHE/DdfG/"
    "DdeJH/DdhHdeLN/DdeNA/DdfM/DdeOT/DdeP/DdeR/DdeS/DdfC/DdfS/DdfU/DdfY/DdhVehWehXAeeTC/DdeUD/D"
    "dfE/DdeW/DdgOdgVegWeeZ/HdfL/DdfV/DdhVedEAS/LdeBO/DdeCZ/DdeGH/VefY/DdeHL/DdhVehWefR/EdeIA/D"
    "deJC/DdfL/DdeLY/DdeMA/DdfM/DdfP/DdeNP/DdeO/DdfN/DdePC/DdhWefT/HdeTR/DdeUI/XPefZ/WeeXX/DdeY"
    "X/DddFAS/FdeBG/HdeCU/FdeEX/FdeFF/FdeIA/FdeJ/FdfF/FdeKK/FdeM/FdfA/FdeOE/FdeRE/FdeTF/HdeYX/F"
    "ddHA/HdgWeeBC/HdfL/DdhFdhHdfV/HdeCS/HdeD/WeeEO/HdeOM/HdfS/HdeSG/HdeW/DdgHdfB/HdeZ/DdgHddIE"
    "I/IdePI/IdeRS/DdhIdeTR/IdeUE/IddJAL/DdeCN/DdeMS/GRdhHddKGB/OdeHB/KdeT/KddMT/DddVB/UdgVegWe"
    "gYefT/VeeCH/DdeFG/VeeRC/VedWAH/WeeFM/WeeW/LHegWedXBX/XAeeDY/XeiAeeSC/XPedYAR/YefZ/DdeCL/Ye"
    "eG/FdgXOegYeeP/YeeS/XAeeTW/YeeZ/Vec8ABR/DdeCH/DdeDX/DdeE/DdfU/MMdeJM/DdeLE/DdeOY/DdeRI/Ddh"
    "VeeTM/DddBV/VedDAF/DdeBK/DdfS/Z]ieCF/DdfH/DdfK/DdfM/DdeEA/DdeIP/DdhZ]hfW/DdeJR/DdeLD/DdhXA"
    "efT/DdeMD/DdfV/WeeQ/DdgYeeR/DdfA/DdhLdhWehXAehYefH/DdfQ/DdeSJ/DdeTF/DdeUJ/DdeVQ/DdeW/DdfR/"
    "DdhVehWeeX/DdeY/DdeZE/DdfH/DddEAG/DdfJ/DdeB/M/VegYefJ/DdhEdfK/DdhEdeC/DdfF/DdeDA/DdeEM/Dde"
    "FF/DdhGRdeGC/DdfJ/DdfS/DdeHQ/DdhEdhVehWefS/DdfV/DdhLHdhUdeKB/WefC/DdeMC/DdfD/DdeOT/DdhXehY"
    "eeRH/DdeTC/DdeU/DdeXJ/DddFAB/FdfU/DdeC/FdeF/HdeGB/FdeLB/HdeMA/FdeRB/FddGCJ/GAdfW/GPddHAR/H"
    "deBX/HdeH/HdeJ/HdeOR/HdePV/HddIEZ/IdhLdhYedKE/KddLFV/LddMBH/UddOAH/OddSAN/FdhSddUU/UddVAS/"
    "VeeCC/DdhUdhVehWehXOehYeeER/DdhVeeLW/VedWDG/WeeVA/WedXBC/XAefS/XAeeC/XeeUU/XPeeW/XehPedYAH"
    "/YeeD/VegWegXAegYeeE/YeeMP/YeeSF/Yec9ACJ/DdeEA/DdhVeeJK/DdeLS/DdeOS/DdePP/DdeUC/DdeX/DddBG"
    "N/DdeRC/DdeSA/DdhHdhYedCAS/DdeBL/DdeGN/DdeHL/DdeLH/DdeMF/DdeNG/DdeSM/DdhYeeYQ/DdfV/DdeZM/D"
    "dfV/DddDA/DdfA/DdfD/DdfK/DdeB/DdeD/DdeE/DdfQ/DdfW/DdeF/DdeGE/DdeHL/DdeJS/DdeKO/DdeLJ/DdfM/"
    "WeeMG/DdeNV/DdeO/DdePD/DdhHdhXAefI/DdhIdfZ/EdeR/VefJ/DdeSD/DdeVO/DdeX/DddEAG/DdeBS/DdeCE/D"
    "deDF/DdeI/DdgFdfM/DdeJM/DdfZ/DdeKQ/DdhEdeMP/DdhFdeNH/DdeOE/DdeP/DdeRA/DdhHdeSD/DdhEdhFdhLH"
    "dhVehWehXOehYeeV/DdgEdgLHdeY/DdgVefE/DdhIdeZX/DddFBA/FdeNI/FdeQR/FdeSJ/FdeZO/HddGAH/GdeOO/"
    "GAdhLdfX/GAdfY/GAdhLdeRE/GPddHCF/HdeDR/DdeJV/DdhHdeMB/HdeOO/HdeUP/XeeVR/DdhHddIAE/IdfL/Ide"
    "BJ/IddJMH/DdeX/LddKMB/KddLCF/LdeEC/WefW/LdeOP/LdeSC/IdeZY/LdfZ/LddMHH/UdeND/DddQFM/DddRBI/"
    "FddUSD/DddVEA/VehWeeFN/DdeRC/VeeYY/VedWE/XAeeM/DdeZO/XAedXCC/XAeeEH/VeePA/LdeQG/XPeeT/DddY"
    "GG/UdbV2V/Vec7E/DdbW1DAL/DdeDX/DdeE/DdfN/DdfW/DdeG/DdeIW/DdeJ/DdeOG/DdeQQ/DdeUQ/DdeVB/DdeW"
    "D/DdeXH/DdfP/DdeYN/DdfP/DddEA/DdfM/DdeBE/EdeCE/DdfO/DdhVeeLI/DdeNS/DdeQI/DdfZ/DdeVO/DdhKde"
    "XU/DdhYedHBD/HdeCM/HdeDI/HddWJY/WedZA_ec2DAF/DdfW/DdeET/DdhHdeJM/DdeKF/DdeNC/DdeOD/DdfM/Dd"
    "fY/DdeSM/DdeVM/VeeX/EdgSdgYeeYA/DdhVedECC/DdfK/DdfM/DdeFS/DdeHD/DdeIY/HdeKY/DdeNB/DdeQS/Dd"
    "eTF/DdeUA/Ddc3DAB/DdfW/DdeBH/DdfM/DdeC/DdeED/DdfJ/VefR/DdeFP/DdhKdeG/DdfC/DdeIV/DdeJC/DdeK"
    "/DdfC/DdhWefO/DdhXAeeN/DdeRW/DdeSM/DdfR/DdeTD/DdfR/DdeVN/XedEB/DdeIH/DdeK/DdeMP/DdhHdhLdeT"
    "/XPedHBS/HdeOH/Hdc4DA/DdfF/DdeBE/DdhMAdfM/DdeCI/DdfV/DdeKI/DdeOR/DdeRH/DdfV/DdeTM/DdfR/Dde"
    "WV/DdeXH/DddECV/DdeDA/DdeIN/DdeM/DdgLHdeRO/DdeSE/DdfY/DdeTG/DdfY/DdeZT/DddHCL/DdhHdhSdeTA/"
    "HdfD/Hdc5DAD/DdeD/DdeFR/DdeHG/DdhEdeIE/DdeLY/DdeNN/DdeOG/DdeQ/DdeR/DdgLHdeTD/DdfQ/DdeUS/Dd"
    "eWX/DddEE/DdgVeeO/DdfL/DdeVI/Ddc6DCA/DdeLS/DdeMP/DdeNF/DdeTM/DdeW/DdeXU/DdeYH/DdfZ/DddEAK/"
    "DdeEA/DdfU/VeeFR/DdeGE/DdhHdfF/DdeHD/DdeLC/DdeNA/DdfV/HdeQQ/VeeXM/DddHAM/Hdc7DAF/DdhWefG/D"
    "dfJ/DdfR/DdeCF/DdeFD/DdeGT/DdeJ/DdeKB/DdfX/DdeLY/DdhYeeMB/DdePJ/DdeQQ/YeeVC/DdeWX/DddECZ/D"
    "deDH/DdhLHdeIY/HdeJV/DdeLR/DdeOJ/DddHA/DdgHdeRM/HdeT/HddWFM/Wec8DAL/DdeCM/DdeIP/DdeMC/DdfK"
    "/DdhWeeOH/Z]hePZ/EdeRU/DdhIdeTO/DdhLdeUN/DdeXR/DdeYT/DddEAG/DdeCQ/DdeFR/DdeGA/DdeJ/DdeLR/D"
    "deMD/DdeU/DdfA/DdhHdeVB/DdeY/Ddc9DAD/DdfE/DdhWeeCF/YeeIH/DdeJN/DdeMM/DdeRD/DdfT/DdeSP/DdeT"
    "P/DdfQ/DdfR/DdeX/DdfI/DddEAG/DdhVeeCR/DdeDX/DdeGQ/DdeNF/DdeOH/DdeSY/DdeUE/DdhEdfU/DdeV/Ddf"
    "A/DdhEdfE/DdfV/DdeYP/DdeZV/DdfW/DdfX/DdfY/DddHCF/HdbX9S/J{)bY/4X4FC/LH^geZ5KJ/LH^gc1CM/A/L"
    "H^ggLH^ggP/LGT^gjH^gdDF/LH^geR/LGT^geS/LH^gdFW/LH^gc2BIG/LH^gdDX/LGT^ghH^gdFN/LGT^ghH^gdUF"
    "/LGT^ghH^gc3BW/LH^gdMU/LH^gdTT/LH^gc4Y/LH^gc5O/P/LH^gdW/P/LH^gbZ/G0SGB/LH`+c0A]hc2HM/BY1RX"
    "-i7PP-dNU/LH`+c4HWF/LH`+aM0DXT/LH]gcHAZ/A/TCM]gcTXS/YL]gcWDC/LH]gb1MJT/YL]gb2000Y/21B]gjF]"
    "gi8B]gi9C]gh71B]gh97Ahe1Y/21F]gh71B]gh97A]gb3AFR/LH]gcMJT/YL]gcZKT/YL]gb6AIG/YL]gcSUS/YL]g"
    "bA0XAUgc1FJMgc6PTEgbB100TT]kd8FIFAgbI0TMW/2ZEqc5AFK/2KqbM/DJ4OK/Mgf6OZgf8OK/MgeL5KUAggSE/L"
    "HgdF5BLC/PgfLMJ/PgdHB9IAB/PgdKE5TF/PgdN5ET/PgdOK1FZM/PggHDUgf7UgdPA9DgeF9DCgdW5ZE/Pge7YAQg"
    "c0/DJ6AUgePA8MOgdBNN/LHgeQI/2KgfN/2KgeYE/2KgdDFV/PgeHQ/2ZEghNHSgdECGgdKALgdLONgg/MgeSMgdMO"
    "L/PgdNQYgdSHF/PgdVIKgdXAUgdYHB/PgdZALgeCGgeOL/LHgeRCgc1FEOgeJMgc3AWD/NHSgdDDQ/NHSgdVQOgdZE"
    "Tgc5PSLgg/PgdYLOgg/Pgc6ACWgdBDUgeZQgdIKBgeMBgdMFAgdPTEgdSJKgdYLOgdZBGgeDWgc7CGRgdWAB/NHSgc"
    "8AgbN0JQS/2ZEqdNID/LHqbO0ALSqeQZheSP]|eTIhdBDZqeFFgdCBHqeOEheVTheWJgeYRgdDBCgeNXgdEQLheZQh"
    "dFAL]+eMFgdGXEhfQgdHCXheZTgdIBZheMLheOUqeRZqdJFCqg/PqeMLqeSTqg/PgdKJGgeLWheSSgeWD]+eYEqdLD"
    "JheLKhePOqeUKheZZhdMAUheODqg/PqeSRqeUMheVPqeWZhdNFCgdOWWhdRREqeUCqeYLqdSGDhfQgfRheJTgdTBBh"
    "eGBgfOqeMIheSGgeTUhdUPHhdVAXqeVOhdWKCgdXXWgdZBHgeXZqc1AWVgdCFAhfNheLV]kdHMVgc3BCAgeRRgdDAO"
    "heQBhdGKIhePLgdOJAheQRgdPUUhdRLAqeNIhdTUPgdUEZheVLgdWPHhdYHAgeMUgeVOhdZCB/PgfOheRFgc5PSLgc"
    "6AOXqdBJJgdCCSgeHMgeRQgg/MgdDGZgeVPhdGWKhfRhg/PhdHUTgdKAUgg/MgeSJgdMAUheCVgdNIRqdPAMheLChe"
    "UThdSEFheRLgdTBDhfPheEWgeUMqdWAGqeDBqeLBhdYDRqbQ00QSqdAIHqg/70qeLSqeQZheSP]|eTIheWWhdBDZqe"
    "NN/PgePBqeQMgeRGgdCCE]kg/70]keDOheINgeNAheVTheXAgeYRgdDFVgeGRgeHFhg/70hfQgeNXgeXDgdEPCgeQE"
    "gfLhdFAL]+eMFgeNRgdGGBqfGgg/70geORgg/70geWG/PheXEhfQgeYVhfXgg/PgdHCXheMVheVUgg/70gdIBZheLE"
    "qeMLheRZqdJFCqeNLgg/70geQSqg/70qeSTqdKAMqeJGgeSSgeYEqdLDJheENgeKXhg/70heLKheUKheZZhdMAUheO"
    "DqeSRqeUMheVPqeWAhfZhdNFCgeJCgdOWWhdPADhdRHDheMDqeREqeUCqfHhg/70heYLqeZAqg/70qdSCDgg/70geG"
    "DhfRheJTgdTge/70geBBheGOqeMIheSGgeTUhdUPHhg/PheSKhg/70hdVAXqeVOhdWKCgdXMC/PheXWgdZBHgg/70g"
    "eXZqc1AWVgdCFAhfNheLV]kdEYO/PhdHMVgdJWFgdLCRhc3BCAgeRRgdCIDqg/70qdDAOhdEPAheRZgdFETgdGHWqe"
    "KIhdJAThdNDBhdOJAheVKgdRLAqdSTVqeVKgdUIXgeSKheVLgdWPHhdYHAgeMUgdZCB/PheRFgc5AFKqeNDhdEPAhd"
    "PSLgdVZWhc6AOXqeQMgdBJGqfJgeWA/P]gdCCSgeHMgeRQgdDGZgeVPhdGDNqdHUTgdIUThdKAJgfUgeLLheSJgeUA"
    "gdLMPgdMAUheCVgdPAMheLChdRHDhdSEFhdTBDhfPhdWAGqeDBqeGMqc7BUFhdDXhdKJChdSHXgdWABgg/70geJL/P"
    "qbR0AQZheSP]|dBQNgeXJhdCCE]keVTheWBgeXAgdDHQgeWFgeXhfDgfHgdEPCgeQEgdFAL]+eMEgfFgdGCFgeDOqe"
    "GBqfGgfIgeORgeUKheXEhdHAIgeVUgdIDXheLEqeONhdJFCqeGEheNLgdKQUqdLAOheDJhePOqdMAUheODqeSRqeVP"
    "qdOILgdPODgeSLgdRDMgeLDheUCqeZD]|dSAIqeGQgeJTgeMKqdTgeAIgeFKqeLGqeMWqeSGgfSgeTRhfUhdVAXqeT"
    "VgdWEIgeWBqdXAFgeXPgfWgdYADhdZAPhc1AWVgdCCUqeFNhdEAAhdHMVgdJWFgdLCRhdMAJ/PheDHhdVTBgc3AVBh"
    "fCheWAgfDgdBRRgdCBFhdLJB]kdMLD]kdNYRhdOBLhdPTSgdRLAqdSET/PheVKgdTFFqdUFNheIXgeVLgdWHMqeJZg"
    "dXGPgeZPhdYHAgeKLheLOhePHgeVOhdZCB/PhfSgc5AMOqdHOChdPSLgc6ADZheHBgeRNgeTUgdCCUqeHMgeTHgfLg"
    "eWCqdGDNqdHFCgdIUThdKDAhdMCVgeMEqeRJqdOKSqeLAqdPUXqdRLLgdSSIgdTMSgdVHFhdWAGqdXGZqdYDPhc7OF"
    "ShdRVPgbS0OXEgdZCGgeETgbU/OT9Z/LH]+bV0AELheLSqeSP]|dBLMhdDXHgdEDXhdFMEgfFgdGGBqeHMgeWTheXE"
    "hdHARgeGY/PhdIMLheOUqdJFCqeLCqdLGSgeLKhdMODqeSRqeVPqdNFCgeJSgdPJJhg/PhdRRDhdSGDhfQgfRheJTg"
    "dTBBheDQheGOqdUAAheSKhdVAXqeRQhdWGMqeYNhdXXWgdZAOqc1CFAhfNhdEYP/PhdVOXqeTBgc3BRRgdCVBgdRNI"
    "hdYHAgeLX]keMUgc5PSLgc6BJJgdCQNhdDTEqdGTYqeWRhg/PhdKSJgdNIRqeRQgdTLGqdURChdZOLhbW0CND/2Khe"
    "VT/2ZEhdDHF/LHhdUSK/2ZEhc5AAM/2KhdGOL/LHhaN0BHRfcCANldOfcDQDbdXE/MfcEFPfdKbcGDTkeUkdIV/CSf"
    "dLIkcHJTkdYIkdZFkcIM/CSfdNKmdVJfcJ]ldENkdKLbdOBkcKV/MfdXYlcLHNkcNHP/KC4]'cPJVldQBbcRMCfdY="
    "cSBCfdNkdUBkcTJUbdXJfcUEPmdGZfcVYOlcWGGbdIXaeZadXJkcXARvdCWmdKYkdSkcZKVkdSJlb1AbdBQadMKbcB"
    "MfcCbdBFldFDldKMbdNveQbdVPacEP/LHbcGU=cHENkdRVvdUTkcIDPlcJFLvdWLbcKDQkdJUbdNKbdTIkcMIGbdXB"
    "bcNDAkdHNvdJSkcQFEkdVUvcRORkdWDvcSCDvdHVbdZMvcTEEadKK]edLEldTXbdVbdXkcVbdCWbdKI]edOPlcXZZv"
    "cYAYvdLHlcZJCvb2AbdIRbdLmcCXHkcDSSvcFObdVAvcGbcIBRvdUbcJVO]ecKBPbdJUkdKNvdLQfdUEvcLTLlcMI="
    "dM/YLbdO/IMDbcNL/MM}scOB/LHbdUSvdWacPGOvcQMTbcRWXlcSEX/LHbdHOkcTJYkcVXFbcWCSvcYCXmdZWfb3BQ"
    "beYlcDJTlcFURlcGWRlcHQWlcJAMbdUGbeWbcKFUbcMUfcNCSbcQD]ldEHkdKXmcRPIbdWDlcSIG/KC4]'dOK/ATbc"
    "UHQadMCbcVBSbdDMldHFbdIJvdVWvcWHXfdQEbeLmdWEfdYfcYUBvcZFYldIIvb4AKOvdVXkcBERlcCDfe/MfdIEvd"
    "MmdZBbcDbdBXkcEOmdRAleCfcHbdCJkdZUkcIJBkcJVP/ATbdZDvcKFVbeWbcLERvcMbdMTvcNAVkdDLvcOE/BY1TT"
    "Y-cQXL]ecRIHmcSbdAMadIXbcUKbcVRNadUC]lcWV/BY1PK-dWTfcZbdIWlb5AARkdTCfcCSOkcGOTacHPWbcIWFlc"
    "JKJldUMfcLITfdXfcNNKfdXGfcPLNacQFfcRMJkcT/ANTfcUCfdKXkcWEfdPRkcXKGfcYIZfdXKvcZDIkdO/MM^efV"
    "E2;dWFfb6ABWldIacBAAadSCkcCBRadGAadSKadVVkdZUkcDNMadXWmcEAX]ldQZlcFAIacGOZlcIadGVfdJRadKXl"
    "dVacJMkeKacKBlcMSK=cNCTldVDvcODTadMlcPJQldUfcQBKldEKkdIHfcRGPkdHFvdMQbcSCWbdEGadPPacTSMbdY"
    "BacUXNlcWBN=cXIVadLBlcYJGadKJacZABldZXkb7AGFadKldMYlcBLCldMDldUOkcCFFkdGCbdLWfcDBNkdFfdKLk"
    "dQadUDmcEDQfdGadLDkcFCTkcGLPkcHERkdQKkdROacIadAkdNQacJIZadOLadROldUXkcKZBlcMGTkdKLkdNIadTG"
    "kdVLaeRkcNNG]ldVXadYYlcOBRldDClcPHBacQANkdOVkcRVEkcTBUfdOFadSVfcUTVkdWTkcVWBaeDacWBXldLRlc"
    "XBYkdEAkdNMkcYISkdKYkdPQadQSkcZHKadJSadXJkdYSab8Amd/ANTmcCS]lcDDYkcEXkcHOJmcJBOmdCEbdKBkcK"
    "CJkdIE/MmdYWkcMQvdR/LHmcSmdUGkcTJHvcUXClcVmcZmdPOfb9AIGkcCDQfdRQacFBmcGFLlcHAImcJmd/MmcPLT"
    "=dPFlcQPQ/MacSBLlcUOMmcVHUmcYDkcZPbbA1AAadM]lc7WMkc9ZkbB0Gvc6RlbC2USkc4OIkc6AadWabD1Alc2Yb"
    "bE7EKkdSOlc9VmbG1PbdTac7AfbH0A=eA^weDadB=dCadFadHbdKadOadQ=dV/5fdXac2AbeRadB]leDaeQbeVfdCC"
    "leDleFleMaeQleRleWbdDBbeCbeMadEmdFbeG]leTaeXadGYbeZkdHbeFleRleSleUldIBleCleDleFleIleJleNle"
    "OleYldJEaeOleYldKDbeFleHleMaeRaeWbdLAbeHfePfeSkdMSmeWadNGbdRadSadWme/9mdYLlc6ACaeDaeEaeFae"
    "JaeUbeXbeYaeZfdBaeDmf/4beFaeKbeSbdCFfeIaeJfeNmf/8meOadDQaeXadEbeFfeIbeUfdFAfeFaeVaeXadGaeE"
    "beRbeZadHEaeWfeXbf/4beZadIHbdJfe/6aeXbdKFaeIbeNfdLfeFaeMaeRfdMGfdNGaeSadPKfdQRbdRmeGadSFae"
    "MfeOaeRbeTaeZbdTme/4meDfeLbdUadVBfeJfeRfdWEaeFfeLff/5feRadXNfePaeWbdYEbeRadZaeAaeBbeEac7Aa"
    "eAbeGaeQbeRbdBadCbe/3beCbeUfeYfdDAbeZadEMadFGbeIfeKmeLmeOfeSaeUbeVbeWaeZadGadHmdIEmeGaeHad"
    "JLadLfeZadMaeAaeVfeYadNaeAbeDaeJ/6ag7aeWadOCaeIbeLadPbeLaeMaeTbeZfdQaeVadRfeEmeMbeOff/5fgM"
    "beSaeTadSaeHaeRaf/7aeTaeUadT/4beGaeKmeL=eNbeRfeVbdUNbeOkdVAfeGfeZadWaeBfeCaeEaeGaeTaeUadXJ"
    "beMfeNbdYEaeIaeKbeLbdZEaeHfc8AadS_$bI1Jlc7XabJ5Ofc7HadVabK3T/KC4]'bL4Tmc5JfdLfc7AHaeJbeKbe"
    "RaeSfeUbf/4beXfeZadBIaeUfeVbdCfeCbeFmeHaeKbeMmeOff/5fgMfeQff/0feWbdDae/7aeCaeHaeYadEOadFCb"
    "eFfeJbf/1beKmeQaeUfeXaeYadGEaeMaeNaeOaeUaeWadHBfeHmeIbeKaeQaeUadIBaeEfeHfeNfeYadJEaeHfeIfe"
    "JaeNaeVfeYbeZfdK/5feBfeDmeLbeVaeXbdLCaeEfeIaeObeRbeYbdMDbeObeRbeSaeTaeWfdNJbeKmeLaePfeVfdO"
    "BbeEmeFaeIbeMfePaeSbeTbdPbeDfeJbeNaeVbdQCmf/9meFaeIadRCmeLaeNaeOaeQff/5fdSBfeGaeHbeIfeRaeX"
    "adTfeKaeOfePadUbeEaeHmeIfeJfePbeSaeWldV/3beLaePbeRbeSaeVbeXbf/4bgMbdWAbf/4beDaeJaeMbeYfdXM"
    "bf/BbeTmeUfeXadYBaeImeUmeYfeZbdZFaeGfeLfeMaeNaePaeZfc9HbbM0Hkc2Bac5RC/PbbN0Y]ec4NNbc5Hkc7C"
    "kbO0Hlc3V]lc7DBac8A/LHmdMac9YmbP2AKmeQbeUaeVmdBbe/4beBbeWbdC/4beBbeCbeTadDbeBbeJbeKmeWmdEf"
    "eEfeIbeMfePbdFmeJbeTbeVbeZbf/1bdGbeAfeGbeIbeMmeNbeWbdHQbeSbeWbdImeEbeFbeJbeSbeWbeXbdJAbeSb"
    "eVbdKLaeMbeSmeYadLbe/9meCbeKaeWadMMbeNbePbeRbf/4beUmdNCbeDbdObeLbeObeRbdPAbeCmeNbeRfdRbeAf"
    "dTbdWbeJmdX/7ac3AXbdBAfeLbdCbeIbeMbeTbeVfdDbdEbeSbeUbeZ=dFBmeRbeSbdGbdHDbeGbeNbePbeUbdILbe"
    "PbeUbeVbdKbeHbeMbePbdLNbdM/LHveMbeXbdNAmeCbeTfdOWbdPGfeHadQCmeEbeTbdRbeGfdSTbeUfdTMbeYfdUM"
    "bdVHbeI/LHveJbdWXbdXPfeWbdYNbc4ABaeCmf/4meIff/0fg6agMaeObeSbeVbeZbdC/8meCbeKbeVbdDMbdEAfeM"
    "beRbeSadFPaeUkdGHbdHbdIaeRbeTbeWaf/6adJbeLbeQbeUbeV/7adMbeVadNDbeQff/5fdPFbdRHbeJbeWfeZfdS"
    "YbdTRbeYkdVO/LHvdWBbeTbdXBbeEadYZbdZCbeImbQ1J]lc3Xbc4I/AMbc8ZbbR0GlbS0C]lbT0DAlc4AAlbU2Abc"
    "9QkbW4Gbc7Fkc9FmdHbbY6DXbc7NadZabZ2FlaOA0/FT5YJ]hdMP]hbD5LN/BA1RB-hY1RX-jTTY-dNJ/ID`:dQB/I"
    "D`:dRI/YOTA`:bE2015XHQ/SC]&c3AGA/AAW]&eIS/AAW]&iNT]&dHM/AAW]&dKKA/AAW]&iNT]&eTA/ANT]&dMWS/"
    "Y2K]&dRPB/AAW]&iNT]&dSGA/AAW]&iNT]&dWWB/AAW]&iNT]&dXHA/VFW06]&c4PFU/Y2K]&dVIE/ANT]&c5BJN/Y"
    "2K]&dOHO/Y2K]&c6XMF/4/LH]&hFM]&hNOE]&hU20]&c7AJT/Y2K]&dXBH/WM05]&bF100FI/0^-i1/LHxdAD/SxdL"
    "D/SxdTX/Sxc200AD/LSxiSxdBNX/SAxc3HHO/SxdKRB/Sxc5AD/Sxc6FSQ/SxdNL/SAxdQR/SxbG0V/4xc2K/0^-dM"
    "/0^-dO/YLxc3M/0^-dX/LHxc5A/LSxfSxc6M/SxbH/RX3AMI/LHxc0AM/2xeW/5xdBT/2xdHG/1xg2xdI/4xdJ/1xe"
    "JS/1xdKAG/9xdMDR/1xeRR/1xeZA/3xdSCA/2xh8xdV/4xdY/6xc1AD/SxeF/LHxeH/LHxhTxeM/LHxdBGG/SxiAxe"
    "S/SAxdCM/SxdF/LGTxgHxeJ/SxhAxdKW/SxhAxdLD/SxeEO/SxeWZ/0^-dMLZ/SAxdNR/SxdOD/SxhAxdPP/SxeV/S"
    "xdS/SxeJ/SxhAxeM/SxdTX/SxhAxdUH/SxdXW/Sxc2AAF/SxiAxfV/SxeN/SUBxeUE/SxiAxeY/SxdBAX/SxeMB/Sx"
    "iAxeNB/SAxfX/SxiAxeQP/SxeXT/SxdC/SxdEO/SxeT/LHxhSxgSxdFBX/SxiAxeFP/P]:eTJ/0^-dHK/SxeZ/SxdJ"
    "XA/0^-dMA/BY1DX-eEE/SxiAxeH/SxeO/SxhAxdNAS/SxiAxeM/LHxdPO/SxhAxdS/SxgAxdXL/SxeMP/SxdY/6/LH"
    "xdZL/SAxeY/Sxc3A/LHxeBN/SxeCA/SxeG/LHxdCT/SxhAxdFJQ/SxiAxdGDO/LHxeQM/SxdHB/SxhAxeHO/SxiAxd"
    "IH/SxhAxeS/SxdKRB/SxiAxdLB/SxhAxeS/SxdMY/SxhAxdN/SxeOB/SxeVK/SxdR/SAxdSUF/JOTAxdTAM/LHxdVV"
    "/SxdW/SxeR/SAxc4FSL/SAxdN/SxdSG/Sxc5A/SxeA/LSxeD/LSxgSxdB/LHxdEAB/SxiAxdGOE/SxdJ/SxgAxeJL/"
    "SxdK/SxdLP/SxhAxdR/SxdZB/Sxc6AC/LHxeDHD/LHxeG/SxeR/LHxdCT/SxhAxdEFH/SAxeOG/SAxdFA/SxhAxeMG"
    "/LHxeSQ/SxdG/SxeSR/SxdHGW/SxdK/SxdMH/SxdNL/SxhAxeR/LGTxhHxeZ/SAxdOG/SAxeS/SxeT/SxdP/SAxeA/"
    "SxdQR/SxhAxdRJ/SxdUW/SxdVM/SxdZZ/0^-c7AB/SxeX/SxdBD/SxdND/SxeE/SxdQA/SxhAxdSV/SAxdUE/SxdVL"
    "/SxdXI/Sxc8AAU/LHxdFCK/SxiAxdK/0^-eN/SxhAxdUV/SAxc9AR/SxdTM/SxeO/SxbI1AXA/SxeY/SxdSWM/Sxc2"
    "ABG/Sxc3SVM/SxiAxdV/LHxfSxgAxdW/LGTxgHxc4JM/SxhAxdPM/Sxc5AY/LHxgSAxdPRM/SAxc6AY/LHxdMPK/SA"
    "xdSP/SxhAxc7AX/Sxc8VK/SxbJ1ABOA]:bK1KCR/J_:eI/YL_:c6RA/APF_:c7MT/BY5HB-c9BAR/YL_:bL0ANT]hd"
    "R/J_:bM3UU/BY1CJL-bN3BLB/YL]#dTC/YL]#c4BRC/J]#fN/LGT]#iH]#iS]#hSUB]#dCCC/LGT]#iH]#eEL/LGT]"
    "#iH]#eIS/LGT]#iH]#eJK/LH]#eKZ/LH]#eP/JOTA]#dLO/LH]#dMCL/LH]#dOS/LH]#fA/LH]#fLN/LH]#c5TN/BY"
    "8ACcc6UJ/LH]#c7PP/LH]#dRU/LGT]#hH]#c9BD/LH]#hS]#bO4BRN/LGT]#iS]#hSUB]#bP0LE]:dOL^xc5K/LGT]"
    "#gH]#gT]#bR0OST/LGT]#iH]#hSUB]#c3AX]'c4AX]'dBRN/SAIL]#dTN]:bS4OSA/LH]#bU7LH/LH]fbV4JAM/J]f"
    "bX/ON6JUN/LH`{bY1CT/HQ``bZ/DG1EHM/LH]ff2RON/LH]feJ5AA/LH]ff7AO/LGT]fkH]feL1BWU/LH]ff3JJ/LH"
    "]ff4AM/LH]fgZZ/LH]ff5SE/LH]ff7RSM/LH]feR4X/LH]fdON6JUN/LH]fdPH7Y/LH]fc0IL/LH]fdMF/LH]fdQ/L"
    "H]fdY/LS]fc13LH/LH]fdCF/LH]fdIIL/LH]fdKAH/LH]feR/J]fdSDB/LH]feKA/LH]fc2F/LH]feG/LH]fdGBW/L"
    "GT]fiH]fdNYB/LGT]fdZB/LH]fc3DSS/J]fdEDR/LH]feVA/LH]fdFYN/LH]fdTL/JOTA]fc4EL/LH]fdHAM/LH]fc"
    "50RN/LH]fdESB/LH]fdGRE/LH]fc7AEI/LH]fdDAL/LH]fiS]fdEA/YL]fdHAM/LH]fdLH/LH]fdRJ/LGT]fhH]fdS"
    "P/JOTA]fdTOM/LH]fc8KV/LH]fdMV/LH]feW/LH]fdSMA/LGT]fiH]fc9HBO/JOTA]fhLH]fdWSR/J]faP40YL/YL{"
    "vbA/DF8WA/LH'eL0IGA/LH'f1KVN/LH'gMRL/LH'f2GW/LH'gKSB/LH'f5SE/LH'dON4NOK/LH'f6EF/LH'f7RU/LH"
    "'c0GOR/J'dTLM/J'dXAW/LH'c100J/J'fSH/J'd10HL/LH'fLL/LH'd4NAWAKA/J'dASP/J'eW/J'dBDO/LH'eP/J'"
    "dEDL/J'eT/J'dFJ/J'eR/LH'dVLD/LH'c2008NJ/J'd5SCH/LH'dDK/J'dLS/YL'dRO/J'c3AAF/LH'eFG/J'dBDQ/"
    "LH'eIC/LH'eXR/MILL'dCNI/LH'iT'ePI/J'iOTA'dDEW/J'dEEQ/LH'eFR/J'eSO/J'eWC/J'fG/J'dFBO/LH'eYE"
    "/J'dGAG/LH'eQS/J'eWN/J'dHFJ/J'dWSK/JOTA'c40LAB/J'dAGO/J'dM/LH'dRVS/MILL'dWK/J'c5CA/LH'c65D"
    "UIN/J'eURK/LH'dADZ/MILL'eRC/LH'dFUN/LGT'iH'iS'dHOOP/MILL'eYG/J'dJAM/J'dKMS/MILL'dLH/LH'eL/"
    "LH'eST/LH'iS'dMZD/MILL'dOP/MILL'eUD/LH'dRCG/J'dSB/L'hH'eCH/LH'fM/J'eHB/J'eJB/J'fS/J'eTAR/M"
    "ILL'dURK/LH'dVEN/LH'eLD/LH'dWAD/LGT'c70HYG/JOTA'd5N/L'eSM/J'dAL/LH'dHPH/J'dJWC/J'c99HYG/JO"
    "TA'dJAS/J'dM/LH'bB6F/LH'dKW/LH'c88XYL/YL'c9ZR/J'bC2D/LH'c5D/J'c6RH/J'bD0ARI/MILL'dFSB/LH'c"
    "1JL/MILL'eSH/J'c2C/LH'dGCM/LH'c5CW/LH'dMVH/P/LH'c7DX/J'bE18KA/J'dBOJ/J'dNCS/LGT'iH'eIL/J'e"
    "ZJ/J'dOPM/LH'eRG/J'eXI/J'dPEX/J'dRBG/J'fR/J'c2AAB/J'dMC/J'eGA/J'c7M/J'bF100ROVER/J'd8NAWAK"
    "A/J'c4R/LH'bG150N/LH'c5M/BA4RF-c64HOOP/MIL'dHK/LH'dJC/J'dN/LH'bH4RTM/MILL'hWHE'c50GFB/J'c6"
    "BB/J'dWAL/LH'c75S/J'c9GFB/J'bI4ADH/LGT'iH'iS'eLK/LH'eZL/J'dBG/J'eOZ/LH'dCQ/J'dDHG/DM'hMILL"
    "'dET/MILL'fL/MILL'dF/LH'dLDN/L'iH'dRCK/LGT'iH'eIS/J'dS/J'eHV/J'eRN/LH'hMILL'dVHW/J'eNW/LGT"
    "'iH'ePO/LH'iT'dWAL/LGT'iH'eBR/LH'eFL/MILL'dYLC/LH'dZHE/LH'iS'hMILL'eVL/FD'hLGT'iH'eWN/MILL"
    "'c9NHL/LH'dSRS/LH'dTP/J'bP5AA/SD]odGFM/C]ohSD]odVB/LH]oc7AA/LH]cbQ5P/C]obS7AA/SD]cc8AA/SD]"
    "cbT7AAC/SD]cdCB/J]cc9AA/SD]obU1NEZ/LH]oc2AIL/YL]odRTO/LH]oc3KIT/YL]obV8DX/SD_)dIG/SD_)bW8A"
    "A/SD_)bY0NY]nc1AA/LH]ogSD]odCML/SD]oeRN/LH]odDCS/SD]ofX/SD]odWC/SD]oc2ASS/C]odDS/Q]odNDX/S"
    "D]odTDP/SD]oc3AA/LH]ogSD]odCOM/SD]oeQ/LH]oeRA/SD]odMHZ/SD]oeSS/YL]odRCA/SD]oeT/SD]odTEN/PY"
    "8/SD]cdUGR/SD]oeR/SD]oeU/SD]oc4CEL/SD]oeLK/SD]odMAB/BNC]odVL/SD]odXX/SD]oc5AA/SD]oc7AA/SD]"
    "cdCOM/SD]cc8ELO/SD]caR0/UR8LV]bc000O#dBVBoc1DTVig/0sh1#h2*h3ih4ih6ih7ih8nh9jc5SOTApc75FscA"
    "AE/6idGD/6idI/3ifMieB/3icBM/6icCAF/1ig3idDP/3idM/4$cFBA/9jdK_%e/P{kgOLE{kcHQscIA/3idT/6icL"
    "Y/9jcMQ/9jcPA_%dOL_%cQA/9jeW/3icRA/7icSBC/6idDG/P]bcUAR/6idPOL_%cWA/PjeS/1/PidX/P]rcXAC/1i"
    "eD/6/Pib1/AT10BP]:dHF0POL]hc00AP)eD]_fI]_eFA#fNRoeK#fMjfOMI)eMPjfTK$eQ]beRGngAnfK#fWoeUD$e"
    "WpeYA]bd3PSnd4FSBnd5FSBoeWWSndNRCjdRLHA/0si2*eTRS/0ji2*i9pc10A/PieRAEMjfPneWGnd1EKjd5ANndQ"
    "RP/0]%h8ni/Pnh9odUNDuc20RBofDPnfGnfI<fJufK)fLnfNsfP(fQofUufWjfZneTMnd3JDRud55F*eNSKjc336FO"
    "*d5TUjc40TUjdCWC/0^:h2*h8nh9nc50AVseCseDMPneLsfAofBoeRPneSUpeWSod5APneCsePM(eRPndCWC/0si/Q"
    "RPsh2*i/QRP*h8ni/QRPnh9jdUGRAuc60DMPneNAsePM(eRPndCANndFRAodKAZ^.dLEVudNOR)dSVKndUGRAuc70G"
    "Sog/0sh8neSG$d16KnfMnfOnfSnd5JRGOudCWHsc8CROjdISL)dKDR/0^:h4ph8nh9oeSAudPER(eORndRUSodSRB*"
    "eWEodUGRAneRUnc95JVsdUGRAucANA^oeB`veD]:f/A]:hT10BP]:eF]hf/A]hgB]hgHF0POL]hgMM]hgP]hgVP8]h"
    "eH|geJ^oeL_beM_keN]:eP^of/A^oeR]:f/A]:eT`veY]hcBDD/0oh/PodIG/9jeP/9pcCF/8nfMicDA/8/Muf9/Mu"
    "cFJL_^eM_^dW/0<cNW/2*cPN/8ncQAP/2*cZBH/0]bdY/8uf9ub2/DK2AI*eL1YMK*dN6TCZ*dR6AF*dUA6LV*eR0M"
    "C*c013CGpfTjgPje4FXpfI)fWOG(fYne5ASpfBPnfDMpgSpfEPnfKMpfLYnh/8nfRngRjgY]vfSVjfTLne6AofDRnf"
    "KW]%e7F/PpfTje9CGpd23BAufEN$d5NEW]vd7RRC]vdARRS#dBISpdDFOsdEKBndKRKodNSKjdPRM(dRCKog/0oeRC"
    "/0sh8ueTP#dSAM$eZO)dUFApfOnc1GGGR*dHNYnc2BIAndGGGR*fR*dSKEnfJndULMjc3RRC]vc40S)dRRCsc5ARCK"
    "oh/0si2*i4pi8ui9odEMW_&dILIM#dMSBpdRRA#dWPWpc6RRCsc70ApeEpeSRpdCGYsdEKBndODRjg/MjfWjeGAjfF"
    "jeSNjeUOjdUFApc80AneBneTLT$c90PM(cAEA/9udG/9(dKM/0ocBDY/9jdZ/9jcDA/9jdG/0]bdWG/0^:dXU/1)g8"
    "ug9)cET/9jcMWO*cSD/9jcVC/9nb300NTndARCKodEMERndMDXCndSIBjeTMndZFnc10A/2*c25B*fF*eFseG#eP#e"
    "SF#fSF#eTFseZ#c4SP_%c50AR#eSndCZFndMWC)dNPnc75Inc90IncARS/4$g9pcBY/0scCA/0]bg/M]bf8uf9]_fA"
    "NT^xi/M^xfKC4_kdG/1)f8ucGO/FFicHD/0sf9ncLA/0]bcOG/2*cRRC/0sh/MMog8ngANT^xcSRR/2*cTT/FFifUF"
    "6V_(cUBL/9^.cXA/2*dX/9pcYAB/9/P]rcZK/FFib400NjdWKpc1WCMB)c30LTnc4WFFpdYETI/0si8ni9ocAK/0]b"
    "g/P]%cCDO/9/M^.eX/FFicFAA/8ndBJ/0oh/Pog9/PocHATidCieEieZidDieCieRidLicICidDidIidKidMidNidO"
    "idTicPBF/MicWAB/9/PneN/P$cYA/8ueC/9ub50CQModJNVudKEDR^&dNDMudSK^&dVAZ$dYG^&c3ICGApgBpgCpgF"
    "pgJpgSpgVpgWpc5EPCng/PndSAT^&dTVncK/2*cQA/0]%f1#f2*f9jfMifPidQ/1)cVAJ/Nib60A*c3RRCoc5RKP#c"
    "6IOTAsc80FBO*cAF/2*cDAB/9(dGL/9/M)dLU/1)cLCA/JidJK/8/MncMG/0<cRA/9ncUAE/9ncXBA/9jb700SSRod"
    "ASIA]bdBjeP/0odLWAsdNIKndPWnf/PndSRC)c1RRC]vc378TMpdEPC/P]bc50X<c77AN*cAA/0sdB/0of8nf9jfMi"
    "fPidL/0sg/MshPscBA/1)f9)g/M)cC/ANT`veKC4_kcLP/0sdV/2*dZ/0sf8nf9ocMR/0sb800ANigGigLigNigPig"
    "VieNNieRANieSANoeVANidBRFidIASidKEDR^&dORLidPSPieVBieWOidRTLidTVidUPOLieRANic50GiePNidAALi"
    "dKFF#dPARidQMRidRTOidWDWieTAic63LCifKifXic70BieCieGieKieMieOieTid5GEieRieTULAieVUic8EPCidW"
    "FRic9AFGidDRAicAEU/6icBicCT/4ig/PidW/0sf4idZ/4(g/M(fM(cFF/1if3ig/MihPif4if6if7if8nfM(fP(dR"
    "/4/MicJAJ/4ph/Ppg9pgMugPucMB/1)g/P)dC/9ndD/9ndZ/0]rf9]rcOA/9/PjcQAN/4icSRRjcTA/4/PidR/3icU"
    "T/4/PicWB/MpdC/6ig/PidX/PpcXF/1if3if4ifMidW/0sf1]xf6if8ub9/EW1TMjdTA1FLjdUN0Cjf7JHCjhMOjeR"
    "7IMG)c00BLig/2*eDMifVieROidBRZ(dDNFieOSAAFidIARUidK#eFF#dLPUidNORidPARidSOKidWDWigRieGMpeJ"
    "VpeOBpeTAieXKpc20RZid5RZic5DODidFR(dKOMI)dNRLidPWic8KPMic9FSBidKPMicAV/6icCMA/4idS/PndZ/3i"
    "f4(g/M(fMncDA/4$f6icFAZ/6/MidCA/6ieH/6ieS/4idM/1if3icGM/1if4$f6if8ng/MnfM(fP(cHAF/MjdQpdV/"
    "6icJ/1idBF/1ig4ieH/7ieN/3/Pig4ig8/MpdDB/4idI/1idNO/1idO/6icKC/4/M(f6/Mif8/M(dD/6if9)dW/3if"
    "4icLAR/1/Mig3idI/1#dM/6ifMndY/4pcMA|je/1]xeV/6idCM/1#dI/0sdJ/6ig/Mif9jfMncOM/5/Pif6idOO/0]"
    "bg9/M]riP]rdY/9/P]rcPA/4idS/0of9odU/PncSAO/1]xgPueP/9/PndRRncUAG/NjdT/4$cWCJ/8ndGK/PpeM/6/"
    "MidI/4/PidR/1icXAK/1/P)eU/6idC/1]xf4if9udD/6if9udT/0sf1]xf6if9udV/6idZ/3icYU/3ifMjfPicZAC/"
    "1]xbA/DD7QJjeF8DXjeK2AIsi/0]bjM]bf5JI)eL5WW*f6KV*gXKndEU1FY/P*eW1RRuf2Ruf8ADXndIK0PRH])j/P"
    "])f5MICjj/MjkPjf7YTTsdJA8BMKsdKE5JAsdN3QQje6TRsdOG2KseK1DWFsdSP7VC*dUR5HVRogMKH)gWTof8IFue"
    "S5ETVneT2LAuf5IA]beY7IQpdVE7MIDsc0/UR5HVRod7DRidAoeJ/0/P]reM/0jg6igPoePW/6idBA/8ng9neM/1ih"
    "/Pig6ieY/3idCCJ/9jfK/8nfV/3ieGI/0odFU/1ieW/6idLH/9jeIF/6ieLW/6ieMC/9jdNN/1#dQ]beA/3ieK/8ne"
    "Q/3ieR/6idRoe/4pdSP/RPoeR/RPoeS/0seTT/0/M]bdUAC/8neF/8ndWjeA/0/P]rdZD/1ieG/6ieZ/3ic110RAEM"
    "odAIP/9/PneLA/0sh8ueMW/0oeR/9ndN#dQBH/9ueD/0seQ/LHieR/9ndWS/1)g9ndZPC/9peZ/0sh/Msc20NYid1N"
    "Yid2KO)eMXneNYieQFneXA)fF)fU)d7AAneEKneFM(eOAjfMjeTRpdATidFDX/3ihFF*eN/1igRP*eO/N*eW/1]xc3"
    "0KRjd6GSneZFndAL/MieN/0]%eRS/9ui/MueTX/2*eUU/0oh9peV/0]vdBB/0odCQ/9/M)eW/9ndDA/0og9oeH/9je"
    "S/PjdET/9jdIII/8udNAN/0sdQQI/8udTND/0^:h9^.eO/0odWJ/9ndX/1)eBN/9neM/2*eR/0]_eV/0]vdYV/ANTi"
    "dZM/8neZ/ANTic4AAJ/9^.eR/0sdCF/0])eQ/0og9jh/MneSX/0oi/PodFCJ/9ueRH/0/Pjh9/MjeSC/9ndHGN/9ne"
    "KM/0si/PseLieMT/9/MpeRM/9ueT/9pdI$dLW/2*dM/PidNCC$dPKR/9peOX/9pdRU/0og9uh/PudUAI/9ndW$dYW/"
    "9nh/Mnc50VTjc60ANT#ePDudABC/0seCI/9)eEW/0]bdEE/FFidGW/0sdKE/0sdUAH/0]bdXPL/0sc75AAnd7VVoc8"
    "0KEDRieOWieSPidJueA/4ph/PpdOjdTpdWpdYjc90FAid5FLid8AEidAK/3ieP/3idCFH/1#i/P#eHS/6ih7ieKM/4"
    "/MifQ/4ieMO/PpeO/3ieS/PpdDA/0]beF/4/MpiPig6/MiiPigPndFAA/4/M$eBV/1ieDR/4/P$hM(eEU/M(eNV/1i"
    "eR/4/Mi",
    "iPieTM/0oeW/9ndG(dHjdJ`ce/1#fM#eG/0oh/Pog1]xg9nh/PjeJ/0og9/MjeM`ceR/3ieX/3idKD/3ig6ifX/8/M"
    "peO/4ieT/3ieU/1ih/MieV/3ig4/M$eW/3ih/MidLI/0]_g1]xdM/6ieC/1ieR/0neX/0og9jgPndOjeBG/0oeDR/4"
    "/Mih6ii/Mih9/MjdPje/4idRT/3idSAS/6ieB/3ieC/1ig4$h/P$g9neGI/1ieT/3/PidUjeEZ/6ieF/4ieLL/6ieS"
    "U/3ih4ih8oeT/0oeUY/6ieWD/6idVjdWpeJV/8/PneN/9ueU/4$h/M$iP$g6ig9peW/6idX)eA/1#h/P#fF/4ifI/4"
    "(eF/3ieSM/4ieY/1ig3idYjeA/6ieME/0]rcEMjbB110RAEMobC0CsdFsdLsc110RAEMsd8EKneKA*eSA$dM/8/Mnf"
    "9jg/MjdO#dZ#c20ABnfCneCDseFM(eHZ$eMXneOBpeQAnfCnfFneTTpc4AF/FFidH$eTidIidW$e/9jc5A/0sc7LE/"
    "9jc80KEDRieSPid5AO]veMPidC/6idIjdSC/MpdX)e/9uc90FAsdF(dJ`cdOjdWpdX)eM/1]xg8udYA/3/Pig4/M$g"
    "9/MjbD0AodBoe/8ndCsdFsdLse/0of3if9jdWjc110RAEMod6CWsd7CW^:dA/MieL/0_%c20LH])d2FU*dF*c30KRs"
    "dARD/0sfX/0/P^:dBN/0sg9ndFG/2*dQA/0]bc4CAQ/9neBQ/9)dHM/9udI$c80KFidOje/PidUjdWpdX)c90FA]%d"
    "CX/4ih/Pig6ih/PidIjdM/3idUjdWpbF1A/9^.dP]xc3A/0]bc8F(dOjc9TpdWpbG0AodF/5idSoc110RAEMnc2F*c"
    "4H$c50P{nf/9(eSK^&dA/8pc78MLnc80KEDRidKudUjc9A/3/PidOjdUjdYjbI01ANT^odB]_eDI]_eV/0odCsdFsd"
    "K]vdLsdQ]bdX<dZ<c18POL_%dANA^ofB]hfC^%g/A^ohP^%fD]:fF]hg/B]hhFF]hhP]hfL]:fN^ofO]hfP^ofR]:f"
    "U]:fV^%fW]:fX]:fZ^odF_^c20ANT]hc30ANT^%c41POL|sd4ANT]hc50ANO]hd9ANT]hc60ANT]:d3ANT^oc9Kue/"
    "MMubJ17CWneWGndO#dZ#c22DX*dT/Ppc30FO$eKRjc4IidP$c80SPic9IjdJudUjbK0AoeXC/0oi/ModBWW/3idCsd"
    "HWW/1idLsdSoeE/1#dUT/3idWjc17CWodB/0<f9jdI)dN#dO#dPWA/ANT]xc21Z#dF*c30DR)eFO*dAW/4(g8ngMid"
    "BY/0]rdDSW/ANTieWA/3/NieZJ/1/LH#h9odMXT/FFidPWJ/9pdQ/0sf8neS/2*dRB/0oc4H$eMif/0odP$eA/9ueK"
    "$dW$c56GCoc60ANTodAH/LHieNP/9udBBM/9odCG/9jeT/9udK/9)dYM/8ug9ueYA/0oi/MojP]bh9ni/Mpc75OP#d"
    "G/FFic80KEDRoeX_&dIjdO/4idWpc90DR)eFAidAD/9/MndDR/NndF(dJA/6idKWI/9pi/PpdMZZ/0odOjdSpeZZ/9"
    "ndTpdWpdXWV/1ibL0Lsc19WFndI)e/8ufP)dOidP]xc20LHseNYnd1NYnd2NYndF*c30FOneKRjdAA/0seB/FFidDX"
    "/9pdT/9jc4H$dR/8nc5G/0sg/Psf8nf9oc60ANTseYGnc80KEDRidC/0sf2*c90FAid6WSid7WSidAA/6igPndF(dI"
    "jdOjdUjdWpdX)dYjbM0AodBoe/9ndFse/3idI])dLse/1if3if4if7if9jdMse/LHsdWjc17NYnd9NYneWF^.dO#e/"
    "MidZ#c20CCneNYnd1NYnd2NYndD/0sf9oc30DXneKRsc4IidP$dR$dW$c5M/0sc60YGnc7C/0<c80DZieSPidA/0])"
    "f4/Mif6/MidG(dKudTpdWpe/3if4/Mif6idX/3idYjc90FAieWFpd4AEidHjdIje/2*eX/2*dRZ/0og9/PpgAngPnd"
    "T/4/PifPpdUjdWpeN/1#dX)e/1#dYjbN0AodCseF/3ig6ig9ueT/4idFsdJT/6idLsdSZ/9nc110RAEMoj/Pod6CWn"
    "d7CWndB/0sf2*dCR/0sdM/PidN#eA/ANT#eS/0sc20LH#eNYnd1NYnd2OG)fV)dF*e/1if3ifMieA/1ig3ic30KRjd"
    "BL/0sdDHB/9pi/PpdGL/FFieM/2*eW/8ph/QRPpg9ph/QRPpgFFidOF/9udQBG/9neOP/4/Mph9pc4ACA/FFifZ/9)"
    "dCU/0oh/PodHFJieIFifT/0odI$dW$eA/9nc60ANT#dHI/0<dLFF/0]bc7G/0<fFFifUF6V_(c80KEDRieOWid5AMi"
    "eKNidUjdWpc90FA#dA/0odHM/AjgPjdJueM/6idM/4ieD/3idN/1#f4(f6ig/Mif9ng/MjfMidOje/8neI/3idSpe/"
    "MpeM/PpdTpdWpeWW/4ii/Mih9pi/MphPpbO0Fsc17CWpd9WF^:c20LH#d5KL#fO)eTNndF*c30KRpc4I$dW$c6C/8n"
    "g/Pnc75RK#c80KEDR#eOWieROidUjdWpc9L/4pdOjdSpdTpdUjdWpdYjbP0CZAsdLsePKsdQ]bdSoeXRoeZZodUWZo"
    "eZFodWje/PjeWSjdY]rdZ<eKD<c2F*dK*c60Psd1XX_&d2X_&d3X_&fO_&d4X_&d5FPP(eMOHneRneTTpeUMFjd6Vs"
    "d7GIpfSueJHneKEnfMjfR)eLKnfLneMCnfDnfGpfPjeNGpeRnfKpeSDsfTofWpeTGnfTneUFpeVsd8BPjeDTneGMpf"
    "RpfSueHseJueKEnfMjfR)eLKufSneMCnfDnfPjfZneNKpePK<eRnfGneSDseTGnfKnfTnfZjeUFpeVsd9CMneDKneG"
    "IpfPnfRnfSueKEnfMjeLKnfLnfSneMCnfDnfMneNBpePnfWpeRneSDsfFueUFpeVseYNnc70ABofFjfS]vfY]bfZne"
    "BPjeDGsfTneGnfAjfBnfIpfKnfMpfPnfRnfSueHseKB*fEnfG*fMjfVofW)eLFufLnfMnfSpeMAnfCnfDnfPjfW*eN"
    "KpfMjeOBnfFnfSnePnfK(fMneRnfSoeSAnfDsfFufLjfUueTGnfMneUFpfHnfKjeVseWB*eYFueZFjfOpd1AS]bfZn"
    "eBPjeDGsfTneGAng/MnfBnfIpfKnfMpfPnfRnfSueHseKMjfW)eLFufLnfTneMJnfOnfPjeOBnePneRneSAnfDsfFu"
    "eTGnfKpeUFpeVsd2A#fBofG$fRpfZneBPjeDGsfSufTneFIneGBnfIpfKnfMpfPnfRnfSueHseI$fMnfZ$eKBnfEnf"
    "MjeLLneMF$fJnfPjfSnfU#eNMjeOBnePnfJnfT#eRnfK#eSAnfDsfFufLjeTGneUFpeVseWO$fUpeX)eYFueZWnd3A"
    "#fBofRpfU#fZneBPjeDD$fGsfTneGBnfIpfKnfRnfSueI$fMnfZ$eKMjfToeLLneMPjfU#eNZjeOBnePnfM$fT#eRK"
    "#eSAnfDsfFueTGnfPjeUnfFpeVseWUpeX)eZFjfP#d4A#fBofU#fZneDD$fGsfTneGBnfIpfRnfSueI$fMnfZ$eKMj"
    "fToeLLneMPjePnfOnfT#eRK#eSDseTGneUnfFpeVseX)eZP#d5A#fBofG$fM]%fOS#fU#fZneBFS#fKFoeDD$fGsfM"
    "pfSufTneEP#eFD$eGBnfC*fIpfKnfPnfSueI$fEnfGS*fMnfZ$eJufKueKB*fEnfMjeLLneMFnfGIpfLInfMKnfPjf"
    "W*eNK#eOM#ePnfL#fT#eRGAnfK#eSDsfFufN$fTP*fUneTGnfK(fSpfTneUnfFpfRneVsfAMpeWUpeX)eYEjfNneZS"
    "$d6A#fBofU#fZneDGsfTneGBnfC*fIpfSueHseI$fGS*fZ$eJueKB*fMjfUFjeMMKnfPjfU#fVIneOG#fIAnfSR]_e"
    "PnfAWnfL#fT#eRGAnfK#eSFufSF#eTGnfK(eUnfFpfRneVsfN$eWAOpfUpeX)eZS$fZ#d7A#fAPpfBofU#fZneBDne"
    "DGsfTneGBnfIpfKnfSueHseI$eJueKASjfMjfRjfSF#eLLneMPjfU#fVIneNIKnePnfCjfL#fM(fT#eRGAnfK#eSDs"
    "fSDjeTGnfSpfTnfZneUnfFpfKjfRneVseWAOpfUpeX)eYTneZAMud8A#fAPpfBofEGofU#fZneBD]reDGsfTneEB$e"
    "GSueHseI$fZ$eJueKIWufMjfRjfSF#eMAjfCnfMKnfPjeNIKnePnfAWnfM(fT#eRGAnfK#eSDDjfFufNInfWT$eTGn"
    "fOFjfTneUnfFpfRneVseX)eYTneZAMufS$c8MndX(c9HjdOMPjeWjdSBOpfRpeNKpdX/1ieWM/1idYjeAFjeTZjbQ0"
    "Cse/4if6if8uf9odJ/QRP]%c110RAEMjd6CWjd7CW^.eWGndAje/9jc21NYod2NYodK*c30DXoeKRnc4D/8nf9^.dI"
    "$c60YGoc80SPic90FAidF(e/M(dIjdOjdYjbR110RAEMnc9OjbS0B]_e/P]_dFsc9OjbT05ROidBodCsdFsdLsdOod"
    "Q]bdRodTodWjc1I)dZ#c20NY$d1NY$eRU$d2CTseMCnfDneNY$eSAoeTKpeUAjeWFpeZS<dF*e/3ig/Mif4pg/Mpf9"
    "/MpfPic30DX$d6MS$c4C/8ndI$dW$e/9nc5G/P/FFic60ANTneRTneYG$d5KI]vdA/0sc73ABneBRneCWneEApfBnf"
    "LpeFLneGMjeHEneJHneKBneLF)eOApeSKnd7VVjd8ML$c80KEDRieNTidA/4pdIjdOjdTpdUjdX)c90FAiePKid2KA"
    "]vdIjdJudKue/0<f3if4$f6ig/PihQRPif7ig/Pif9odOjdSpe/3ig/Pif4ifPidTpe/1if2*f3if4if6ig/MidUjd"
    "Wpe/PpdX)dYjbU0AodBW/3idLseM/3ig4idSodUA/0odWjdZM/9jeW/3ig6ic110RAEMpd7NY^.d9NYodTA/0odZC/"
    "ANT#c20NYneRUneWCpd1RUnd2AZneCRneLRneTUpeWZpd7FQ(fW(eOZjeWBpfFpfNpfOpdF*eA/3ieB/1ig3ih/Pig"
    "5ig6ih/Pic3BY/0sdDX/0sdFF/0oeS/2*dHD/0]%g9/PpgANTidZK/FFic4CO/0odH$eDiePidIidSS/9(dW$e/9(e"
    "A/9(c5A/2*dD/0sf2*f8nf9nc6LA/9jdUR/9udYD/9uc80KEDRii/PieOWieSBieTOidX)e/1ic90FA(eWZpd5FLid"
    "7AEidAZ/9jdCK/4/Mpg6/MiiPig7ih/MiiPigMndF(dIjdKC/4/MpdLA/4idMU/1ig3ieV/0]veX/1ig6idQRP/3ih"
    "6/MijPidSpeO/4ph/MiiPpg6igMpeQ/8udWpeW/5/MidYjeT/1ih/PidZA/7ibV0AE/0/FFjeNH/6ieO/3iePR/6id"
    "CA/1ieJ/9jdSR/9nc1AQ/9neW/0sdCC/0sg1#g4/Mpg8nh/Mug9ngM#gPic21NY*d2PM(eWBpdFW/0<g1ih/MieZ/9"
    "pc30DX*eKRsdACA/0oi/ModBA/9ndDHC/0oi/PoeSA/0sdEFH/0]_dF/UF6V_(eF/2*dLO/9jdMA/0]vg2*eN/9ndP"
    "Z/9ndUK/2*c4CC/FFic60YG*dAJ/0oeRQ/9udLFE/9ueGY/9ni/MnjPndMD/9ndYM/9uc7AD/0odB/9uc80KEDRic9"
    "0WBpdAB/6ieZ/3idCHB/4peMT/6ieX/4/Mpg6/MiiPig7/PidDC/6/PidFQ/3ih/Mig4/Mig6idJD/0og1ih/M#g4/"
    "M$dLC/3ig6ieM/3ih/PidMD/4idUjdVjdWB/4ig8ng9/MngMpeGF/4/MpeKI/4/MijPieLE/3/PieMZ/4/Mih9/Mpj"
    "PnhPneP/0]_g9oeZ/2*g3ig4idXX/3idZjbW0AoeF/6idBB/9uh/LHueG/3ig9udCE/9jdIM/1ig3ieW/3idLF/3ie"
    "IF/6ii/LHieX/3idQE/6ieJ/9ndUM/0og3ig4ieZ/4ic110RAEM]bdAC/9jeI/0^:g9]_gANTigLHidZQ/LH#c20LH"
    "sd2GOseMWneQAng/8nfCng/8neWGjfR]bdF*e/6ic30KRjdDTB/0seU/NidGW/0]_dLG/0sdSN/9pdXN/0oeX/9pdY"
    "C/0og9oc4AA/9udCG/0oh/Pog9jdHIF/9ufH/9ueMieOH/9ueTKieWieZidLX/9udNW/9neX/9ndPJZ/9pi/MpeP/9"
    "pdW$eA/9/PpdYA/0og9oc55YGnc6AHV/9ueWW/LHidBA/9udMD/1)g9uc80KEDR]%dTpdWpe/1ic90FAieWCpd5WJp"
    "dAW/4/Mig5idCudFF/3ieWB/4$fR/4$i/M$h9/MpdG(dJV/3ieZ/4pg6ig9pdKW/3idMD/9/MjiPjdQA/1ig2*dSW/"
    "4$dTP/4$h/PidUEW/3idW/3if4ieA/3ig4ih/Mig6ig9ph/MpeJ/4$h/P$gP$eX/9udXC/1ig3/Mig4/Mig6/MieU/"
    "9udYjbX0AE/0]reT/0/P]rdFsdLsdSD/9nc15RXsd7WG^:c20NYsd1NYsd2NYseWNpdFS/3ic30DXsdAMI/0sh1/LH"
    "ih7/LHieT/0odBP/9uh/MMudDFH/0odF/0sfUF6V_(dQ/8nf9ndRC/9ndXX/Nic4W$e/8nc55YG^.c60YGsdAA/ANT"
    "ifP/ANTieY/9jdCM/0])eP/8udDL/8nh/Pnj/QRPng9/PndLMA/9ufQ/0]_c80SP^.c95WNpdFW/4$dJudKT/6idOj"
    "dSN/3ig8ugPpdTpeC/1ieL/3ieN/1ieX/6idUjeL/1ig3ig9ndWN/0oh/MoiPog3ig4ig9/MneT/8ngPpbY0Aoc110"
    "RAEM)dAAA/2*fB/0/M^:h9oi/Moc22MCneNYneRZnc30DXnc4W/9pc60YGnc80SP^:d3HN#c90FAidC/PndWpbZ0Ao"
    "eM/0jdIWW/1idLsdOoeO/9ndSB/4ieO/Poc16FM(eWFpd7NYsd9NYodCWC/8ndO#dZ#c20LH#eNYsd1NYsd2WWjc30"
    "DXsd7ZFnd8ZFnd9ZFndBY/0]bdDSA/0oeW/0seZS/0odEC/0sdFA/2*c4HD/0seWF/LH$eZW/9/MphFF$dI$c55YGs"
    "dD/0sf4if8uf9nc60YGsdA/9ndDR/9/MndHB/2*dLL/0]vdMZ/0]vc7G/6/FFifFFic8UjdYjc90FAieW/3ifUpdAW"
    "N/6idDX/0]_h/A]_iP]_g9]_h/P]_dHG/6ieK/3/PigFFjeT/6ieX/FFjdJudMXM/9ji/MndOje/0<eDD/0seL/3/M"
    "iiPieN/0])g6ig9oeO/0]_g9/MneWE/0sdPjdSZ/3ih/MigMidUjeA/3ieF/6ieZV/6idW/3ieF/8ug9ueM/4ig9/M"
    "neU/4/M$gPpdYjeI/9naS51CK/Y_.dLGT/LH_.c2AL/YL_.dL/LH_.c8U/LH_.c9HIJ/LH_.b79EC/F`rdNAN/F`rd"
    "RRC/C`rhF`rbA2YLM/YL@c6AJK/2M@c7SM/LH@hT@bB5RAFS/LH@c6HL/LH@bE3TLG/LH@c7M/LH@bF1B/LH@c7KUL"
    "/LH@bH5FEM/LH@c6HUL/LH@bI2SSA/LH@bK0BJ/LH@c2AU/LGT@hH@c3BG/LH@dGK/LGT@hH@hT@dLH/LH@c5BB/LS"
    "@dUM/JOTA@dWB/LH@c6FL/LS@dMA/LH@dQA/LH@dRM/IMD@c7DX/LH@dFK/LGT@hH@iT@dL/LH@dRN/LH@bM/DL3JJ"
    "/LH@f6II/LH@dOH2FFP]:dRX3AMI/LH@lS@c0SVI/LGT@c1YRA/LH@c2JKI/S@c3BDZ/2M@dDMP/2M@dTLG/LGT@iH"
    "@c5EUG/2M@dFAN/2M@c6AAL/S@c7AAL/S@dDAY/LH@bN1D/LH]pc2NP/LH]pbO1WE/LH]pdZV/LH]pbP0PGC/FF]pc"
    "1/DM3VA/LH]pdKBK/LH]peNM/LH]pdNY/MM}jdRWK/LH]pdZZ/1/LH]pgLH]pc2AYC/LH]pdBNJ/LH]pdFAP/FF]pd"
    "HHC/LH]pdKAC/LH]peDS/LH]peJF/FF]pdMHC/LH]pdPHA/LH]peMW/LH]peZH/LH]pdQCR/LH]pdWGZ/LH]pc3VT/"
    "1/LH]pc4KDX/FF]pc5EZJ/LH]pdG/FF]pdKAB/LH]pdPB/2/LH]pdVYI/FF]pdX/FF]pc6HFT/FF]pdNIO/FF]pc9E"
    "WM/FF]pdKJU/ARCO]phFF]pbQ1KSL/YL]pc2PHG/LH]pfI/LH]pc3PMM/FF]pc4G/FF]pc5AWR/FF]pdQ/FF]pc8VP"
    "S/YOTA]pbT0R|cbV0IG/9]sdLB]sf/9]seK]sf/9]sdXAI]sg/9]sfN].g/5].hP].fZ]seBJ]sfM/9]sfN]sg/9]s"
    "fQ]sg/9]sfR]sfW]sfZ/5].h9]seCA/5].hP].fC/9]sc1/LY1DF/LGT]qdBJW/9]sfY/P].dEIJ/9]seNJ/5].eOS"
    "/JOTA]qeQU/J]qdGSX/5].fZ/9]sc2/SV1RP/T_{dAEL/J]qeSP_{g/A_{hP_{dCLJ/J]qdJAO/J]qdKBB/J]qfS/9"
    "]sdRNY/J]qeSG/A_{c5/DJ5AA/LH].eLY1DF/LGT].d4FF]qdCJK/3]qfQ/LH].dFRI/1]qfK/3]qfP/3]qh9]sfQ/"
    "1]qdKJQ/8]qc8/DJ5AA/LH]qeLY1DF/LGT]qc9/LY1DF/LGT]sd4MIKIS]qeTHEO]qdAWF/1]qdCUF/1]qdDJO/5]."
    "h7]qeRU/1]qdGPM/8]qfV/5].dION/3]qdJI/5].dOFL/4]qfS/5].dTJ/1]qbW8SW/LH]qbX100SEP/5].fTSL/J]"
    "qc200ADL].gNK]sgZK].hR].fBMG]sgYR].fCAF]sgJK].hO]sgOL]sgVY]sfDJO]sgKL].gZX].fFBG]shK]sgRT]"
    ".fJI]sfKKU].gNA]sfMBH]sfQWP]sfRGI]sgKU]sgMU]sgNG]sfSKE].dIMA/J]qc50AHH]qc65AP].g/5].c8DI/L"
    "H]qc90IARU]qd4MIKIS]qbY200CGZ]sdA_{eEI/J]qdWT/LH]qbZ200ERK]sfRDS].dTSL/J]qc4SRM/J]qc7KAM/L"
    "H]qc8G/LH]qdLES/LH]qdXIO/J]qhP/JOTA]qaT40C/LT_'b8HRC^kbA1AD/0]aeJJ/2]aeO/4]aeYR/6]adBM/3]a"
    "eX/2]ag3]ah/M]agLH^deZ/2]adC/2]aeM/2]aeX/2]adD/3]af4]adE/0]aeD/0]adFA/2]aeL/0]aeM/2]adHZ/2"
    "]ag4]adO/8]adUT/3]adZK/0]ac2AKG/1^ddIJ/YOM]adLZ/1^ddZF/1^dc3CQ/1^ddHM/1^ddJ/4/LGT]afLH]ac4"
    "/DJ5AA/LH]adCS/LH]ac5CT/1^dc6CQ/1^dc7KB/LGT]ahH]ac9J/LH]abC0SV/LH]ac100A^dgGE]afGLB^dgP^dg"
    "S^dfHQ]afKT^dfOLD]afTA]agC]agR]afVKZL^dfYEAR]ae1GLB^dgP^dgS^dfKT^deO]ad8MART^dc2ELH/LH]adI"
    "SAF/1^dc50TRAC/01A]alK]ak3D]aj10B]ak5B]ak6M]ak7B]alG^dk8C]alE]aj28G]amR]ak9T]aj34I^dlK]ak5"
    "I]alK]ak8D]alK]aj41G]alK]amF]aj67E]alZ]aj80K]alO]ac7YLH/LH]ac9SAM/1^dbF1IRA/LGT_*iH_*iT_*c"
    "8IRA/LH_*dRX/LGT_*hH_*bI90IARU`~bK/F4FET/LH{%bM0BSM/LH][dPDC/LH][fH/LH][c2LW/LH][c5AF/LH]["
    "bO019IEEE^udA^=dFAR^udMPB^ueT]zdO]tdR^udX^*dZ^(c10CWO]zeRR]zd1A]zf/P]zd9A^udA^`dBT]tdC]tdE"
    "^=dJ]tdK^=dN]tdPF^uf/P^udQ]zdT]zeAAF^udUSB]zdYR]tc200SPM`md2C]zdA^`eNT]zeZ]zdBC^`dD^(eL]zd"
    "E]zeE^(eME^=dFG]zf/P]zeH^*dHI]zdM]teB]tdO]zeOO]zdR^ue/P^udSP^(dT]zeT^*dU`mdZ^uc3A^(dF]teM]"
    "tdGA]tdJ^(eA]tdM]tdR^udT]tdW]tdX^(dZ]zc40CDXC]teR]zdA]tdC]tdD]zdE^jdFM]tdGU]tdIPA]tdK^(dM^"
    "*dOC]tdR]zdT]zdWW^jdX^=dYL]tc5A]teA]tdBG]zeR^`dD^=eX^(dE^(dFJ^(eP`mdG^`eI]zeR]tdJ]tdK]tdM^"
    "=dNED^`dPX]tdR^ueOM]zeZ^(dS]zeM^=f/P^=dT^=dU]tdW]tdX]tdY]tdZ]tc60CNES^`d6R]zdA]zeBM]tdD]zd"
    "M]tdOK^*dS]zdT]ze/P]zc7A]teCR]zeES]zdBC^*eP]tdC^`eC^udD]zeL^ueSR]zdGJ^*dHAM]tdIR^`dO]tdR^`"
    "eJ^*dT]zdX]tdZG^(c80SP`mdA]tdCW]zdFTDM]zdM]teZ^*dN]tdRR]zdS]zdT]tdUFT]zdYY^(dZ]tc90IARU]te"
    "R^ud72A]tfM]te4QO^udA]tdPL^=dR]teRG]zdT]zdW^=bX0A^neT_;dC_;dDX_;dHF]$dM^ndP^*dSIX]<dT^nc1A"
    "^kdB^kdCW^kc2A]$eH^nc3A_;dD]$dSAM^kdT^ndX_;c4A^kdFO^ndN^ndPG]<dT^ndVK^nc5A]<eQ]$dBTY]$dC_]"
    "eW^kdD]$dEG^ndFS^kdJ^neF^ndK_]dL^kdM^*dN]$eK^*dP_]dRV]$dS_]ePA]$fM]<dT]$eES^ndVT]<dW]$dX^n"
    "dZ]$c60CNES^kdA^ndG]$dT^ne/P^nc7EME^neU]<dG]<dK]<dLX^*dM]<eB]<dT]<c8A^kdB^kdC^keW^kdD^kdF^"
    "kdJOTA^kdNC^kc9_;d0IARU^kaU0H/UA0AGQ]_b7GL^&b8AG_!dH_!dI_!cJB{+bA0AoeCG/0oeD/3ifU/0]rfX/3i"
    "eGA/9/PpfE/6ieK/3ieOZ/0seZA/9pdBA/8neDS/1idCsdDM/4idFCB/0oi/PohPjeHC/3ieM/3ieQ/6idIT/6idJA"
    "D/3ieF/3ieL/6idKAO/4$fT/4ieBA/3ii/Pih9pfG/0oh3ih6ih9oi/PjeCL/3ifX/3ii/PieDR/9jeT/4ieY/9udL"
    "seEC/6ieLM/5ifW/9jeQQ/6/PidMF/9ndQBC/3ifR/6ieGM/3ieJA/4$fE/3ieMU/0ueNE/3ifI/3ifU/3ifV/3ieQ"
    "J/3ifO/3ih9/PudRodSoe/4ieC/4ieDX/0seEP/6ieIK/0sh1ih2*eVD/0]bdUV/6idWjeG/0ogPjfD/0]reW/0ogM"
    "oeY/0odXAK/3ih6idZAY/9jfZ/3ieDA/6ihMM|kfY/9jeED/6ieL/6ieS/6ic1AAE/2*h9peDQ/0]_hANTieFT/2*e"
    "NA/0sdBJ/ANTidCDA/LHieIO/LHidFBP/9udJJ/ANTidORT/0]vdPAC/1/ANT]xhANT#eBA/0]bh9ufN/1_^fP/9ud"
    "QV/ANTidZGD/9nePC/9peQO/9(c2DC/RP*dFFX/1ieM/4igMM|*eT/6ic3A/PieAC/0<eDN/0oeHA/0seKO/0<i/Mo"
    "h4ih8nh9neV/ANTidDFM/8uh9ueJG/2*eND/8neX/0sdEDP/0sfQ/0oi/MMojPodFQ/4(h/P(g8ngP(dGM/ANTidHY"
    "/0]_dIHJ/8ndLMR/PidMGA/9udTT/8ndWB/9pdYH/0]_gANTidZAF/9uc4ASE/FFieTL/FFidFMQ/PidHieAZ/P$eB"
    "MieGLieIPig/4ihM$eRZieYidLCQ/9peU/0og9/PpdNE/MieF$f/4/M(gMidPCM/MieIE/9pi/MpjPpeJM/9pi/Mpj"
    "PpeN$eT/0oeXR/9/MpdQ$dRC/2*g9neF$eW$eX/0]_g1_^dSBZ/0sdW$eHX/2*h9nc5B/4if8nc6A/9neDC/NieNU/"
    "0<dBH/0oeTN/0oh9udCW/0sg9ndHBO/NihST30ieMC/0]vdIC/6/FFigFFidLP/0]vgP/LHieV/ANTidMF/0seM/LH"
    "idWFO/9jeIO/9udYGY/8nh9nc7R/0sc8AA/3ig5idCAD/3idHjdJ`cdKudUjdWpeAA/4ih5ih6ih8nh9ni/PnhMnc9"
    "0FAidAGR/4/MieJ/3/Mig4/MiePA/3/Pih4/PihPneR/PndB/1idCCO/6ieDC/3ih6ihMphPpeE/6ifS/6ieGL/3ih"
    "4/M(h9/M(hM(eOO/6ieSA/1#eTT/0]bh3ih4ih6ihMphPneUA/4/M(dDD/3idFAR/3ieFS/1#eGR/4ih6ieIT/4ieL"
    "/0]_eOJ/1]xdHSI/3ieW/BY6IA-dJFE/4ih9/PjfM/3ifN/4/Mih6/Mih9/MjhMueGX/4$eKB/6ifM/MjeLL/MuhPj"
    "fY/3ieNQ/4ifT`ceON/6iePX/4ih6idKAA/4ph9pfS/6ii/PieB/6ifF/4ii/Nih6ii/NieG/1ifH/1ieHD/3ieJ/6"
    "ieK/1ieW/0]bg6ieZ/3idLAO/4$hMndMA/1ig3ig9jh/MjgMnfC/9jeBK/0oeDU/3ieQR/1ih6ieRA/9jfX/3ifY/1"
    "]xeUY/0]%h9jeW/9ndOAP/9/PjeC/4ieNJ/3ieW/BY2HITrdPjeM/4idQCP/3idSG/4ig9neIV/3ih9peQG/4/P$eS"
    "R/3ieUV/8ueY/4$dTO/9/MndUjeAX/0oi/Mjh1#i/M#h2*h3ih4(i/M$h5ih6ih7ii/Mih8ni/Mnh9oi/MjjPjhMne"
    "DX/1idVR/6idWpeDK/0oeMN/9/PneOB/0oi/PoeQK/6idXC/1ig6ifI/6ieF/1ieGD/3ieI/4ieK/1#eLE/3ieMC/1"
    "#h3ieRK/1#fP/1]xeX/4ieZ/3idYjdZZ/0/P]rbB0AoeJJ/3ieZR/3idIBA/7idLseAP/PsdY]rc1AJQ/0odOAD/1/"
    "P)h9/P)dZ#eBD/N#c2FCO/8ui/PufS/6ic40FSUsdW$c5O/0]bf1ig/Mif2*g/M*f4ig/Mpf8ng/Pnf9nfMic8ADI/"
    "5ih6idJueAF/3ieDH/0^:dM/MndOjdSpe/PpdYjc9JBN/9/MpdKAA/2*dWLJ/PndYUW/1ibC0AodBodCsdLseAF/3i"
    "hPsdWjc1I)c4Iic7T/9uc8F(dSpdUjdYjc9VjbD0LsdWjc4I$dW$c6AOP/0<dD/9nc8F(dSpdVjc9PjdUjbE00Sif/"
    "Pid2SRMid4YCSid8F*d9VGidARD/0jdBFF]_dOFF/0]rdZOO/3ih9jc105SBMoeRFF/4pi9jeSK(d4TSjd50CseUWC"
    "od6SA(fRnfT)d8MneU^.eZ^:dAAA/0sdRFF/0si/Pjh9peLH/2*dWFF/0oc200TARSieDSid1AieBieMid2Aid3DKA"
    "ifSAifZOieNYieRRC<h/P<d4SUid5ACifFGifQieDDieFnfOieIK#eKDRifKieRifRieSTpeTFieWDWid7AFGid8AF"
    "GieDXid9DXidAT/1idFAidKRidSEic3ATV/0<h9jdQRP/2*c40CZFnd4POL]_h/P]_eR/9jeV<eY/8ng9]rd5AWTnd"
    "NFF/9ndWFF/9ni/Pnc55IRoeOBpfMnePM(d6Snc60QA]beSWAoeTDPph/Ppd4RWAndMAC/0]bh2*h9{nc70AAAneKR"
    "M/8/Mni9nj/MneMAseSLnfVVoeUVVofWWoeVSVseY]rd3D]_fI]_d5DTneLseOJ]%eVVod7MR$eWT$c80ALjfR#g/M"
    "#hP#eCseGifSieHSieIRoeKFDieMifLieNSOjeOifLiePQ#eRWWieSifBRofKigRih/PieVieYGid5AGNieDRK)eLi"
    "eNKNieROieWDWic90AGNifSjeFLieK)ePR#eWpfTA*d1Lid2Lid5AEieEieGAieKieMEifSieRAieWSid6MEifPieS"
    "NieWSid8PWieWSid9AEieMEiePSifWidFDA/0ji/Mjh3ii/Mih4ii/Mih9ji/MndGDA/4idMDA/9ndOFF/9ndWDA/3"
    "ih4ii/Mih6ih9ni/MpeFF/1ih4ih6idXBW/1ibF/UA6GG/FF_(c0AodBoe/3idWje/3if6ic1I)dM/2*c2F/1/Mif3"
    "/Mic4H$c8F(dSpdTpc9UjbG0Boc4I$e/Ppc9UjbI0AodLsc4H$dIic8F(dJudUjdWpe/3/PidYjc9IjdOjdUjbK/DF"
    "3DS/Z_!bN7ECA/FF^&eDG/FF^&dLAN/A/FF^&c9LU/A/FF^&bR2XO/WAP]dc3IDD/MM}rc4LJ/LH]ddQI/M/LH]deK"
    "I/M/LH]ddUC/LH]ddVWN/J]dc5FCZ/LGT]deOG/YL]ddKCC/WAP]deGG/WAP]ddZVJ/LH]dc6GWZ/YL]dc7GO/LH]d"
    "gP/LH]deW/LH]dgP/LH]dc8IDX/A/LH]ddLV/WAP]dc9LD/P/LH]dbS0GA/P/LH]dc5UCC/LH]dc8IB/LH]deCM/LH"
    "]deM/LH]dbT/RA9JP/LH]dc1KY/AAW]dgWAP]ddML/LH]dc2EE/YL]ddFA/LH]ddLF/LH]dc4IYZ/FF]dc5FA/MM}q"
    "dKDS/YL]ddUIA/P/LH]dc7UA/WAP]dc8IA/LH]deO/A/LH]dgP/LH]deV/LH]dbU4JO/LH]deWM/LGT]diH]dc6JJ/"
    "LH]dc7JF/LH]dc9CW/LH]ddJWM/LH]dbW1GZ/BA1RB-gLH]dgP/LH]dbX2HR/FF]ddIJ/FF]deQ/P/LH]dc8IX/LH]"
    "dbY5EI/LH]ddHC/LH]deF/LH]daV51AS/L_idNAM/L_iiH_idWW/L_ihH_ic5V/LH_ic9PP/L_idSWK/L_iiH_ib63"
    "JQ/C_ogK_oeY/C_ogK_odOP/C_ogK_odVE/C_ogK_obA1CN/2;c2BK;eY;dGLB/PadKCE;dMCJ/VE2;dRAG;eC;dVF"
    "T;eVV;c3ELE/2;dMPM/2]~dNA/2;dQSL/1](dWR/1](c6FUN/7]{dSS/7]{c7AQ/P]~dEWK/3]!dMPG/4]=dPK/3]!"
    "bB2C;dR;dT;dV;dW;bC2C;dEME;dQ;dR;dX;c3W/2;bE0HSS/KC4{jdNWP;c1BES/MbdCZ/5]=dREC/LH](hM/LH]("
    "eM/3]!g4]=c2/G3ZAY/P]~eJA8BMK;eK5YG;fD3RF;j/M;eM0BLF/P]~eN1NK;eUT3UA;eW2NTJ;f5GED;dA;eCP/P"
    ";eE;fJ/3]!dBFR;dCSI;eVI;dDXY;dEKA;eM/M](dFDJ/2;eK](dGHZ/2;eT/150;dHAY/P]~eRI;dIII;eM;dKK]("
    "dMAM/3]!hP]~eW/3]!dNN;dOTT;eV/P]~dPK/3]!eRG;dQIP/2;eLF/3]!eV/3]!dTKH;eWO;dWDX;dXAA/2;eB/2;"
    "g3]!eZ/3]!dZ;eQ/3]!c3ACW/MmeP/2]~eX/7]{fC/2;dCMB/MbeWU/2;dDO/7]{dEXY/2]~eY/2;dFDX/2;eU/BY1"
    "TTY-dGF/2]~eNO/2]~dIAC/2]~eKV/7]{dJM/2;dLBQ/BY4AOH-eLV/7]{dNE/2;eWA/2;dRHJ/2;eSA/1](h7]{dZ"
    "F/2;eZ/2]~c4AGT/MfdCCN/MbdXC/Mfc5DX/7]{c6100EMP/7]{dBIR/7]{dEZ/7]{dLK/7]{dSH/7]{dTC/2]~dZC"
    "/7]{c7ACN/VE2;eF/BY4AOH-i7KH-ePF/3]!dHII/6^$dIG/1](g2]~g9](dKC/BA4DW-dLSE/5]=dMID/VE2;dXF/"
    "5]=g6]=c80LAN]!dDX/2;dFS;dHI/3]!c9DXR]{g/7]{dIDX]{dTEN/5]=dXX/6^$dZP/4]=cR20230502](dSION^"
    "#bF0X;e/M;bI0ANZAC^%c103WIA]wc5RAS/6]wh8]@c75G]yc90ANZAC]weIARU]ydPEACE^vbJ9N^cbK0/FT4YM^%"
    "eK2ARB`[dAI^'eVT^'dBFG^%dEK`[dKEV^'dLD`[dM/ZL4DB/P^'eM^'eQ^'fI^'eT^'dTH^'c100WIA]^dA/4]^eH"
    "S/8]@dFOC/6]wh8]@dLAJ/6]wc2015TDF]wdACC/9^cdBAA/6]weYF/9^chP]whVK9]`dCA/9^ceBD/8]@eR/8]@eV"
    "/6]wdFBBB/9^ceDU/6]wdGEL/9]`ePL/9]`hVK9]`eR/8]@dHQ/9^cdIA/6]wfY/9]`eO/8]@dNOW/9^cdRAS/6]wd"
    "XSE/9^cdZK/8]@c3AFW/9]`dBYD/8]@dCBV/9^cdDHI/8]@eK/LH]yeP/6]weXI/6]wdFM/6]wePF/6]wfIL/6]weY"
    "/9^vdGK/9^cdHEX/9^vdJBL/6]wdKG/6]wdMCD/6]wdNUT/6]wdOHM/6]wdPF/9^cdQB/8]@g9^cdSN/8]@dTKB/9]"
    "`eWO/6]wh9^cdYB/9^ceQS/6]wh9]`hVK9]`dZK/6]wg8]@eW]@c4ABW/8]@dBJS/7]ydEMS/8]@dFDJL/6]wi8]@e"
    "OC/8]@eSCC/9^cdHDG/8]@eFO/7]yeNS/9^cdIXU/6]wdJWG/6]wdKC/8]@dMM/LH]^dNAI/6]weH/6]wg7]ydSN/6"
    "]wdVXX/6]wh8]@dWIA/HQ]^eWI/8]@c5AYL/8]@dBC/8]@dCC/6]weE/6]wg8]@g9]weP/9]`dFLEA/6]weMAZ/6]w"
    "i9^cdGG/BA8MMcdHSX/8]@eYZ/6]wdMAV/6]wh8]@h9]^dNHG/6]wdPAS/6]wdUK/8]@dWTF/8]@c60LZ]yd5PFA]^"
    "dANZ/4]^eV/2]yg4]^eXB/2]ydBV/AF]wdCN/4]^dDW/4]^g5]yeXI/2]yh4]^dFMON/3]yi9^cdGIO/5]yeZ/5]yd"
    "JON/3]yh4]^h5]yh7]ydKM/4]^eSJ/7]ydLB/5]yeC/4]^dMB/1]yg2]yg3]yg5]ydNAI/4]^eX/3]yeZ/7]ydSJ/4"
    "]^eX/3]ydTX/4]^dXL/9^ydYB/2]ydZG/5]yeN/4]^g5]yg7]yeOA/2]yc7AAP/4]^dCLA/4]^eW/4]^dNWT/LH]yd"
    "PAK/4]^dRR/4]^dTS/4]^c80LAN]wdFUNN/4]^dGM/4]^fT/2]ydHLF/J]@dRC/4]^eR/9^ydXX/7]yc9/LB1GB^ye"
    "OG1M]`fH1VR]`g3JR]`hX]`d0ABC]yfR]ydAA^veLH]`eN^vePX]`eR]wf/6]wfH^vg/P^veW^ydCLF]`eNC^cfF^c"
    "dDJ]`eLX]`eWX_sdEC^yeHH]`eX^vdFISH^ydGLX]`eMW`kdHR]`dIR]`dJD^vdLA/3]yeX/2]yg9^cdMAV]yg/4]^"
    "eTO^cdOL]`dPN]`dQO^vdVKL^vdWI^cdXIC^cdYL]`dZLH/3]yh6]wbO/DL2GF_wi/P_wc1AU/BY1DX-jRX-jTTY-d"
    "BRK/L](dVON/LH](c2DX/9](bP400BO`@c6D`beI`bfA`beX`bdUU`bf/VP6D`bc8/EA1CYK]hk/P]heG0VZM/P]ie"
    "LZ1UQ]hg2UU]heMM0TJR/P]ieSQ1SGB]ik/P]:eUT1KY]idADE]ig/B]ieL]idBF]idCA^|eKB^|ePG]ieTR]idDFK"
    "_xeIF^|eJB]ig/P]ifK]heKF^xfX^|eLJ]ifM]ieMH]ig/P]ieOI]ifU]ifZ^|ePE]ifJ]idGEO^|eI^|dHAL]idOR"
    "K_edPIG_eeJ_edROT]idSGB^|fI^|fK^|eIG_eeTI`|dTHU`|c9400/HW`@bR2SS/BY4AOH-bU/R1AND]:c2ARC/FD"
    "]-dBGS/L]-dCBE/KNK]-eDP/F1]-dJBK/AT10]:dLCI/L]-dPAI/F1]-hOK7MT]-dSWS/F1]-dTS/FF]-dUR/F1]-h"
    "F]-dWAP/DL7BC]-c3BPZ/P^ohRI1^odDJQ/F1]-dEBX`%dLBP^og/P^odVOC/F1]-ePX_=fY_=c4AN/RBI_=dRBI/D"
    "BP_=iVS_=dSEA]-c7MY/JOS`%gRBI`%bX9GHD]!fQ]!eJD]{eLC]!fI]!dSHA]!bY0A]!eA]=dDXA]=dM^,dPW]=dV"
    "]!dXYL/6^$c2MGY/3]!dNA/VE2;aW0AAWfdIH/KV4]ecCNfcEZMkcFJNkcHPDkcKIVbcMTL/LHfcNBfe/BY1PK-h4A"
    "A-cOHOldPTkcQEDfcREPadWSkcSfdD/VE2;cUNIfeXldZJkcYNY]ecZEEkb1AA/BCbfCCbfIMDbfLHbgSbfMKCbgSC"
    "bfRNRbdCB/USbdW/90bfKG4^ifPRvcBMBldOS/MQEbcDF/BA7MY-iNO-cEHadTTlcFPU]lcGDMlcHbcJJSldMkcLYD"
    "kcMRQ/KC4]'cNGRldOB/LHbcPJbcQK/LHbcRSCbcWWSbcZKAkdWClb2AZK]ecDKldLSkcFFacGSB/APMbgLGTbhHbc"
    "HAO=cIDbdILacKRZkdW/KV4]ecL/LHbdIS/IMDbdUVkcNTJ/VE2;cONHadTO]lcPDbcRC/IMDbcT/LHbdLbcUNSlcW"
    "/DDAYbb3ASA/KC4_xcEDmcFM]ldOacGH/R06bh8bdWfcHGbcICGkcJPNkcK/KD2CLB]ecLTbcMKGkcNLbcSTXbcUSb"
    "cWKO/KC4_xeP/KC4_xcYQbdWbcZRTbb4AbdJMldULkcBMRfdVBkdZBfcCbcDbcIM/BY1PK-cLbdIS]edSbcMbdDLbc"
    "OEP/KC4]'cPbdPAadROlcQBWfcRSBkcTMO/VE2;dPmcWbcYQSldYbcZZUmeYbb5AITfcB/LHTfcCHTlcEEKadRVkcF"
    "JGldKX/BY1RX-cGED/VE2;dXXfcJKTkcLEEfdFA=cMQSfcSOLvdPYkcTLBfcZHYfb6AKLldUSfcBBA/BD7PUZ-hY7K"
    "TO-cCAGadWJlcDDPkdSDlcGTEkcHadFPacITacKCHldEVldITldPIldSNadV=dZLlcLNacMBAadEFfdQBldRJlcNBK"
    "acOAT/SFacQPVlcROMleWkdZYlcSHHldMAkdPOlcTDXadFDadNadUSacUGadNXldZCbcWadAWvcYMab7AJDbdPMacC"
    "BkdIDbdLNadRRfdXWkcDDGkdJKacEGGkdHPldIKkdMEacGCTadVC=cHJbcIVae/MacJALkdMaeRkcKFIfeS]ldMVad"
    "WSacNUTadVQldXfcOOadRRkcPEAadWAkcQBfcRAZadCRldOSkdXZacSGTkcTENldFSacUCadEAldSBbcVFRmdR/Lag"
    "HacWEZkdKSlcYDT]ecZWTkb8AmdYDlcCFSmcDSmcEBRlcJAYldVFmcL/LHmcMDDkcNF/BY4AOH-iCYL-cOESacPVZk"
    "cTCXkcUUKbcWHab9AGHacCCCfdG^wcELmcHJWmcISmdTUkcJMCkdSmePmcKX/ATbcMRE=cNKEvcQmdEEmcTNGfcWLN"
    "kbA0BVVbdFURldJSkdLKTkdNHDldOII=dPMRadTFBlc1BDAbdFVJkdO/KC4]'eUSkdWCC/100RCAbhIMDbc2AUIldB"
    "GLkeIWkdDKJ/KC4_kdGObdPIP/LHbdRVAvdYUNfeZDbc3KNB=dLEEkdYBTbdZbeEMleLBlc4BCRveUDkdHLB]edRRE"
    "kdZOFbc5DTK/LHfc6ACaeWldBJHfdCZLldECXldGFSkdIIQldJDAleJQldQDQldREAbeIVvdUVFlc7BkdDEadESEld"
    "HEOldISZfdMDSkdNGXfdOBH/LHbdPXHkdRFadTFEldUSXkdVOTadWSUldYETbeXFkdZKleTAac8COZmdHEBldJQPlc"
    "9PQXmdSTImbB0BNRadCMZkdESTbdRUAldTZQldYULbc1BRkdGZLkdHALldILSkc2ACbeHMldCATldHMYvdKQW]edSQ"
    "Wlc3JICbc4JTTldLMKbdMNFldWFU]edYQSbc5CfdEAAkdWAFadYOFvdZDHleOVlc6COPkeVJldFOXadLNXbdMKTfdP"
    "IOleJTldRQNfdSAAfdVBMlc7ADCveXZ=dBORadCIVadNCNfeILadQQUaeWMfdSFOkeUQ/YLadTYKadUIJaeLOkdVVV"
    "vc8BRUkdNCDldTBIbdUCD/4FLbdYTZ/VE2;c9JSveZLkdSMMadYSD/KC4`ubC6BabD0FPY/1/LHbeTFldLFNldMfc2"
    "EMSvc4LOLaeYNbdMLFldTWfc5FNXadGEWac6AYOadCETkeHAadDGSadEZLfdGHJfc8AHQ]edLIBldOBOlbE1J]lc3B"
    "bc6Oac9EEmdHkbG0Vfc1AlbH0AAMafZaeC=eImdEWXbdJAaeSNadMadVLbdWbc2AATbeBJbfMafSaeCTfg/5ffVaeJ"
    "FaeLNadBbdCbdGbdHAOfdKadMfdSfdTmdUmdYldZfc6AbeAJaeCFbeDSbeFMafVmeJSbeKZfeMmeNAafBafHfeQbeR"
    "NffUaeSBafW/MaeULmeVUbeWOaeXbeZNbdBaeAR^weBfeCBmeDRaeLMafTfePLag/4mfUaeRQbeSZfeULfeVLmeXDf"
    "eYJffPffTadCaeCCafQfeDUmeEbfFbeFafKaeILaeKafRaeMIbfSafTbeNafCbeOafMfePOafTaeREaeSGaeTbfCbf"
    "ObfUfeUEffFafLffSafUafXaeVJaeWDafSaeXAbfBafEafNafTbeYBafMffRmfYkeZafFafHafIffUfdDAPafYaeBX"
    "beCJfeDaeHNaeJOaeKCafGafOaeLDbfQafSaeMmfJbfPffSaeNFbfTbeOAbfCafLbePAafLkeQaeRafPaeSKafNbfR"
    "ffTaeTHaeUJbfVfeVMafNafOmfXaeWIafQafRaeXAffJafKafTbeYAafVbfXffYfeZbfUffVafYadEme/8meAAffEf"
    "eBAmfHafXfeCJffObfQbeDPaeECafGafLbfNbfZaeFIbfXbfYbeGMaeHTbfWafYaeIbfJbfKbfNffQbfRbeJDmfVae"
    "KBafIffVbfWbeLGbfMbeMFmfWfeNGafXfeOFffGmeQBafEafHafWmeRQmfSfeSSaeTFbfOafUfeUAffHaeVPfeWBmf"
    "CafEaeXQfeZWadFADffM/3beBAmfHbfMfeCPbfTaeEJmfUaeGKffMfeIRmeJRaeKLaeLaeOJaePRafSbfVaeQafGaf"
    "HafKaeRHbeTFafOafZfeVaeWDfeZbf/5ffLafNffYadGBBkfCaeCOkeDAaeEAffUbfVafZaeFEfeGfeHObeIDaeJDb"
    "fIaeKRfeLfeMZbeNAfeOZfeQaeREfeSXbfYbeTVfeVbdHAbeQadIFbeObeWaeZbdJbeOaeQbeVbdKKfeNmeQbdLbe/"
    "5feAKmeEbf/4bgMbgPbeRfeZadMAmeCaeKaeSfeYbdNEbeUbdObeBbeIaeLaeQaeRmeYadPXadQ/4meAaeSfeVadRF"
    "aeNbeUadSBmeDaeKYbeRaeWbf/1bdTBmeDaeIaeKaeTadUaeObeSAaeUadVMaeNaeRadWBaeXbdXIaeVaeXadYHbf/"
    "4beMbeTaeXadZFbeRaeVaeW]lc7AaeKkdCYadDAaeBaeCkeEaeGaeHaeWfdEVRadFbdGaeCaeDbeYadHQaeUaeXbdI"
    "NfeRfeVaeZadKldLaeBaePadMZfdNIbeSadOKaeOadPaeMaeVadQCadRfeGaeUadTCaeKmeNaePbeRaeTaeYadUaeP"
    "aeSAbeZadVMaeUadWPaeTadXKbeOfePaeRaeUbdYLbeMfeNfeQbeRbeVbdZMbePaeSbc8AAGac9AAFbfHfbI3O=c5G"
    "UYkc7CabJ0M/CSfc2DX/IMDbc6AAkc8AmdMkbK1DS/YOTAbdKlc2G/C6A/LH{oc3N/IMDbbL0JFfdLac1MadONfdRb"
    "c2NASbc3AFadDZadWXfc4BmdJCaeDmdXbc5Hfc7AfeAWaeCOaeECfeFbeGOmeHPmeITmfUfeJAfeLaeMmeNYfeOaeP"
    "aeQaeSfeTffKfeULbfYaeWCffDaeXbfIaeZGafLadBbeAaeBVfeCRaeEVmeGDffFaeHImfJmfRaeKFffRmeLMaeMaf"
    "P^weNQaeONafOaePYfeRVfeSWafZmeTfeUIaeVNafSaeZfdCmeAffZaeBFaeCbeDbeEGffSaeFMmeGUmeHAbeIBbeJ"
    "AffCffKaeKJbeLmfIfeMVmeOFafLbfQaePAffEafIafLaeQEffFffHmfKmfTbfXaeRJafTfeSDafLafWlg/HleTAmf"
    "BafCafEafPffQfeUPbfYbeVDbeYfdDfeDaeN/6aeOmePfeWbdE/4beAaeKKadFCfeEfeIfeJmeRaeTff/5feUadGGm"
    "eVbdHaeCmeEaeKaeLaeP/7fdIfeGbeMfeObePmeQaeSadJfeANmeBfeEbeGaeMadKae/5ff7afMaeMfdLbeBaeKaeZ"
    "ff/MfdMleAaeEfeQ/5fdNPmdOAaeGbePfeSmeTmeUfdPaeCmeJadQCaeXadRAaeVff/140adSfeDaeEaeFmeGfeOae"
    "RbeVadT/PfeDmeGadUmeNbeSaeUmdVCbeGbeKaeVadWfeBaeFaeGaeKaeLaeMaeNfeObf/1beUadXEaeIfeJaeNaeR"
    "feWaeZmdYMfeQff/6aeXbdZae/1beMac9NmbM4DmbN1YbbO2G]lc4EMbbP2AAObfTaeCYaeDGaeFZbeGDbfObfYbeH"
    "CbfGffHfeIGbfLbdBme/0feBbdCbdFLYbdJbdLbdMAbeGbdNfdPbdQadUfdWPfdXXbc3ACbeLfeYbdBCbeXbdCCbdD"
    "beWbdECbdFKbeUbdGNbdHGfeLbdIKmeMbdJEbeMbeNfeQbeUbdKbeEbeUmdLEbdMBbeDbeEbdNISbeNbdObeGmeVad"
    "PFbeMmeWbdQEbeHfeVbf/1bdRGbdSTbdTQbdUbdVUbdWEbeVbeZbdZAbeLbeOaeVbc4AfeDAffNmeIEbfLbfZbeKEb"
    "eLHbeMQbePJfeQKbeVWbeZJbdBbeABffTfeCbeFbfPbeGMbeINbeJSbeKbeMUbeNIbeOCbeQVbeTQfeXSbeZbfGbdC"
    "BbeGbfIbeJHbfYfeKWbeLSbeMHbeNAmePRbeUJaeWafEmdDCbfBbfKbeFKbeMEbfVbeNEbePXbeWHbeYPadEDMbeHY"
    "beNXbeVAffLfeXHbeYWbdFEIbeKHbeRKbeSbdGAKbeFHbeJLbeQRfeXbeYAbdHFZbeJFmeLYbeNFafNbeOXbeRKbeS"
    "QmfZbeXSbdIERaeFbeJbfKmeKbeLPbeNPbeVWbeXTfeYEbfJfdJCbeFbeKObeMVbeNBbeOHbeQJbeSPmfRbfVbeTbe"
    "VVmdKAYbeBXbeCJbeDHbfNbeEKaeFPbeGEbfIbeHNbeIbeJRbfVbeKXbePKbeQbeRZbeSKbfPffUaeTDbfFffUbeXP"
    "bfXbeYCbeZZbdL/TPveBKbeCfeDGbfLbfPbeEbfMbfObfYfeFObeHAbeKAffYmeLBbeNPbeQRfeSQmeTAbfIbeYIbf"
    "VbdMAEbeDbeFMbeJPffXbeKJbeMVbeNVbeObfCbeQFbfNbfXmeRBbeSDmfXbeTNmeUJbeVEafQmfVfeWBmfEbfKbfS"
    "beXEbfPmeYGbfIffKbfLmfMbfNbeZObfRfdNAEmfIbfKffQbeBFbfGbfPafSbeEPfeFUbeKUbfWbeLQbePVfeQAffL"
    "feUVbeVLbeWVbfWbeXGbeYLbfQmfTbfUbfYbeZFbdO/4bfMbeATbeBCafDbfHbeCObfZmeDRbfTbeEBffObeFAbfHf"
    "fLbfObeHJbeIGbeJKbfUbeKBbfIbeLMbeMGbfVbeNRbeOIbePDbfFbfYbeQHbeSBbfQbeTPbeUEfeXAbeZKffPfdPb"
    "eEPbeJEbeLRmePHbeRbfAbfVbeURbfVbeWSafVbeXGbeYLbfMbfUbfVbfZbeZAbfBbfDbdQERbeGVbeHUbeLBfeQAa"
    "dRbeONffRaePDbfXaeQbeRRbdTDbeXbdUCbeMbeObdVLbeMbdXFmdYGbdZWbbQ2NbbR1Zbc8ZabT3Amc5TkbU0Hac3"
    "VfbV0Zlc4Mbc6KlbW3AAA/R10bj1bi4bi5bi6bc4ALkc5DDfbX0Hlc1NCCkc4Amc6Xfc7Gac8C/BY4AA-bY3Blc5Cf"
    "c6Flc9JmbZ6KaaXE3MAYA/C^eiD^eiE^eiT^eiX^ebK0AA]=dXN]!f/P]!bL3TUV/MbbM3CMB/MbdNE/2;bO0ICE/2"
    "]~dXN]!f/P]!bQ6CFX^fdOA^fdUMR^fbR0ZY_pc6F^fc7FTC/LH^fc90IARU^rd6IARU^rdA/8^fbV2G/C`}bW8KPL"
    "/RU3DX{zbX9AH/BG8STcaYB0AI/LH!c1LGP/YL!bC0LND/YL!c1BWA/YL!dCVA/YL!bD1BZW/YL!dMKQ/YL!dNAA/Y"
    "L!bI1IRQ/ND^>bL/LY1CM/LH^gc0A/LH^@dWFF/LH^@c1A/LH^@c2AG/ANT^@dSW/MM|.c3AD/LGT^@dBF/LH^@eU/"
    "LH^@dFT/LH^@gP/LH^@dGED/LH^@dIZ/MMbdJD/LH^@bM1SIZ/2]ac7KA/LH]abO3FRI/YL_rc4ASG/LH_rdBBH/LH"
    "_rdGDP/LH_reJS/LH_rbT1S/J^#c2A/LGT^#gH^#bU/IZ1VUC/LH^#c1BBA/J^#dCA/LH^#dFW/LH^#dJF/LH^#c4W"
    "U{~c7RQ/FAIR^#aZ21KD/L{cc7JAM/J{cbB2LGT/LH`lbC4ATC/2000Y{,bK1/AC4LN^lj/N^[dAKF^lfX^lePM^le"
    "SQ^leXU^ldBS^ldCG^ldEAA^leTW^ldHCC^tdJD/J^ldKDN^[eH^ldMA^tdNCF^tfI^tfP^[eDK^[fS^leFK^leJC^"
    "[dQMA^[dSCQ^leDE^leSB^ldTTG^teUG^[dUSA^ldVVV^ldWL^[dXXC^lbL1AB/LH^sdCT/MM|^dGO/8`]c2ARG/LH"
    "^sdIII/LH^sdVH/LH^sc4DB/P/VK0M^'c6A/HQ^sdLH/LH^sc75KO^seWARC^sc80FOC^sc90IARU^sbM50GW^seLA"
    "^seMAUQ^sc80WB^sbQ2HRH`ldYN`lbS1BAK/L]>eK/L]>dCRG/L]>eT/L]>hH]>dESC/L]>iH]>dFRC/L]>iH]>dOA"
    "K/LH]>fR/LH]>dSKR/LH]>dYVP/LH]>c2CR/YL]>c5T/L]>dZLB/L]>c6AUH/L]>dBXN/L]>dKX/7]:dLCM/L]>dST"
    "N/L]>dWR/L]>fL/L]>c70BAK]>h/L]>d1SIG]>d5PTA]>c80VT]>d5SARL]>bV7AA/LGT]cbW3RS/LH]oc4CPC/SD]"
    "oc50CVA/SD]cc7CTA/SD]cbX0ECF]hdGTI]hc2T/SD]obY0K]nc2CPC/SD]oc5BI/SD]oc6BI/SD]cdMP/SD]cc7C/"
    "SD]c",
};
const PackedKeys kExactCalls = {kExactCallsParts, std::size(kExactCallsParts), 18645};

const std::string_view kPrefixesParts[] = {
    "a1A}ea23C]gbAgbD]kbE]gbIqbJ]|bMgbR]gbU]+bWha3A{*bB6{ic7{ic8|@c9}bbC|qc0|}bD2{!cA{|bE_ybF_y"
    "bG^rc0_ldX_pdZ_mc7^fc8^fbH-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+d"
    "J+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcd"
    "CcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtd"
    "HtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bI-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKr"
    "dLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRc"
    "dScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdX"
    "cc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bJ-c0&c2ArdBrd"
    "CrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7Acd"
    "BcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOc"
    "dPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&"
    "dU&dV&dW&dX&bK-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6Qc"
    "dRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcd"
    "GcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtd"
    "LtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bL-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOr"
    "dPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVc"
    "dWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdC"
    "cdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bM-c0&c2ArdBrdCrdDrdErdFrd"
    "GrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcd"
    "FcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdSc"
    "dTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&"
    "bN-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUc"
    "dVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcd"
    "KcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtd"
    "PtdQtdRtdS&dT&dU&dV&dW&dX&bO-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI"
    "+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdB"
    "cdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdG"
    "tdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bP-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrd"
    "KrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcd"
    "RcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWc"
    "dXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bQ-c0&c2ArdB"
    "rdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7A"
    "cdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcd"
    "OcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&d"
    "T&dU&dV&dW&dX&bR-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6"
    "QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdF"
    "cdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdK"
    "tdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bS-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrd"
    "OrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcd"
    "VcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBc"
    "dCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bT-c0&c2ArdBrdCrdDrdErdF"
    "rdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdE"
    "cdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcd"
    "ScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&d"
    "X&bU-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcd"
    "UcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJ"
    "cdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdO"
    "tdPtdQtdRtdS&dT&dU&dV&dW&dX&bV`sbW`}bX|'bY]ibZ]pa4A^ec4^qbB^ec4^qbC^ec4^qbD^_bE^_bF^_bG^_b"
    "H^_bI^_bJ_@bK_@bL_(bM`ic0`dbO}~bP`nbQ`nbR`nbS`nbT`#bUzbV{rbW|abX]ubZ]ua5A}.bB_dbC_-bD_-bE_"
    "-bF_-bG_-bH{}bI{}bJ_`c0_zbK_`c0_zbL`abM`abN{`bO{`bP]fbQ]fbR{bbS{bbT}<bU|`bV}[bW||bX}pbY`;b"
    "Z`;a6A`<bB`<bC{@bD^ec4^qbE^ec4^qbF^ec4^qbG^ec4^qbH^ec4^qbI^ec4^qbJ^ec4^qbK^pbL^pbM^pbN^pbO"
    "{'bP_#bQ_#bR_#bS_#bT{dbU{dbV{{bW{{bX{bbY|zbZ`aa7A]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bB]}c0!c1!c2"
    "!c3!c4!c5!c6!c7!c8!bC]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bD]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bE]}c0!c1"
    "!c2!c3!c4!c5!c6!c7!c8!bF]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bG]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bH]}c0"
    "!c1!c2!c3!c4!c5!c6!c7!c8!bI]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bJ];bK];bL];bM];bN];bO}^bP}-bQ}:bR"
    "_ubS@bT_ubU_ubV_ubW_ubX_ubY_ubZ]]a8A]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bB]}c0!c1!c2!c3!c4!c5!c6!"
    "c7!c8!bC]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bD]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bE]}c0!c1!c2!c3!c4!c5!"
    "c6!c7!c8!bF]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bG]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bH]}c0!c1!c2!c3!c4!"
    "c5!c6!c7!c8!bI]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bJ];bK];bL];bM];bN];bO{^bP|tbQ|=bR{xbS@bT]-bU]-"
    "bV]-bW]-bX]-bY]-bZ]]a9A^hbB`obC`obD`obE`zbF`zbG},bH^zbI{ebJ{ebK`qbL}>bM_ac0^mc6[c8[bN}!bO_"
    "~bP_~bQ_~bR_~bS_~bT_~bU}$bV{>bW_ac6[c8[bX}=bY{ubZ{uaA2{^b3`jb4]mb5}vb6wb7_,b8`ab9{;bAbc0fc"
    "5fc6ac7ac8mc9mbBbc0fc5fc6ac7ac8mc9mbCbc0fc5fc6ac7ac8mc9mbDbc0fc5fc6ac7ac8mc9mbEbc0fc5fc6ac"
    "7ac8mc9mbFbc0fc5fc6ac7ac8mc9mbGbc0fc5fc6ac7ac8mc9mbH0]lc1`wc2=c3`gc4`&c5`)c6lc7ldK`$c8^wc9"
    "`-bIbc0fc5fc6ac7ac8mc9mbJbc0fc5fc6ac7ac8mc9mbKbc0fc5fc6ac7ac8mc9mbLkbM%c6]jc8:c9]*bN%c6]jc"
    "8:c9]*bO%c6]jc8:c9]*bP_#bQ_#bR_#bS_#bT]-bU]-bV]-bW]-bX]yc0^oc4]^c6]wc8]@c9^cdC^ydL]`dM`kdW"
    "_sdX^vdY^ydZ_sbYdc0VedWedXedYec1VedWedXedYedZ]ic2VedWedXedYedZ]ic3VedWedXedYedZ]ic4VedWedX"
    "edYedZ]ic5VedWedXedYedZ]ic6VedWedXedYedZ]ic7VedWedXedYedZ]ic8VedWedXedYedZ]ic9VedWedXedYed"
    "Z]ibZdc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedW"
    "edXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYeaB0&b1-b2-cArcBrcCrcDrcErcFrcGrcHrcIrcJrcKrc"
    "LrcMrcNrcOrcPrb3-cG+cH+cI+cJ+cK+cL+b4-b5-b6-cQccRccSccTccUccVccWccXcb7-cAccBccCccDccEccFcc"
    "GccHccQccRccSccTccUccVccWccXcb8-cAccBccCccDccEccFccGccHccIccJccKccLccMccNccOccPccQccRccScc"
    "TccUccVccWccXcb9tcAccBccCccDccEccFccGtcHtcItcJtcKtcLtcMtcNtcOtcPtcQtcRtcS&cT&cU&cV&cW&cX&b"
    "A-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcd"
    "VcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdK"
    "cdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdP"
    "tdQtdRtdS&dT&dU&dV&dW&dX&bD-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+"
    "dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBc"
    "dCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGt"
    "dHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bG-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdK"
    "rdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdR"
    "cdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcd"
    "Xcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bH-c0&c2ArdBr"
    "dCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7Ac"
    "dBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdO"
    "cdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT"
    "&dU&dV&dW&dX&bI-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6Q"
    "cdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFc"
    "dGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKt"
    "dLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bJ-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdO"
    "rdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdV"
    "cdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcd"
    "CcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bL-c0&c2ArdBrdCrdDrdErdFr"
    "dGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEc"
    "dFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdS"
    "cdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX"
    "&bM_tc9P_vdS^mbN_tc9P_vdS^mbO_tc9P_vdS^mbP_tc9P_vdS^mbQ_tc9P_vdS^mbT-c0&c2ArdBrdCrdDrdErdF"
    "rdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdE"
    "cdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcd"
    "ScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&d"
    "X&bU_tc9P_vdS^mbV_tc9P_vdS^mbW_tc9P_vdS^mbX_tc9P_vdS^mbY-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJ"
    "rdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQ"
    "cdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcd"
    "WcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bZ-c0&c2Ar"
    "dBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRcdScdTcdUcdVcdWcdXcc"
    "7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcdHcdIcdJcdKcdLcdMcdN"
    "cdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtdMtdNtdOtdPtdQtdRtdS"
    "&dT&dU&dV&dW&dX&aC2|;b3{$b4_db5{_b6{ob8`^b9`^bA^rc0_ldX_pdZ_mc7^fc8^fbB^rc0_ldX_pdZ_mc7^fc"
    "8^fbC^rc0_ldX_pdZ_mc7^fc8^fbD^rc0_ldX_pdZ_mc7^fc8^fbE^rc0_ldI_mdX_pdZ_mc7^fc8^fc9]hbF](c2]"
    "~c3]!c4]=c5]=c6^$c7]{c8^,bG](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bH1](c2_wbI0;c1_<c2](bJ](c2]~c3]!"
    "c4]=c5]=c6^$c7]{c8^,bK](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bL_'bM_'bN_-bO_'bP|&c2__c3__c4__c5__c6"
    "__c7__bQ^!c1^<c2_fc3_fc8^<c9_fbR^!c1^<c2^<c3_fc8^<c9_fbS^!c3_fc4^<c8^<c9_fbT^!c3_fc8^<c9_f"
    "bU^<bV^)bW^)bX^)bY0}cc1](c2_wc9}ibZ0;c1_<c2](aD2{]b3{]b4}'b5`ab6})b7^pb8^pb9^pbAybBybCybDy"
    "bEybFybGybHybIybJybKybLybMybNybOybPybQybRybS^pbT^pbU^_bV^_bW^_bX^_bY^_bZ^_aE2{[b3|rb4}}b5^"
    "lb6|{b7{~bA%c6]jc8:c9]*bB%c6]jc8:c9]*bC%c6]jc8:c9]*bD%c6]jc8:c9]*bE%c6]jc8:c9]*bF%c6]jc8:c"
    "9]*bG%c6]jc8:c9]*bH%c6]jc8:c9]*bI^}bJ^}bK|ibL`abM]dbN]dbO]dbP`obQ`obR`'bS`ybT`zbU`=bV`=bW`"
    "=bX{yc0P_cdQ_cc2P_cdQ_cc6P_cdQ_cc7P_cdQ_cc8P_cdQ_cbY{+bZ}naF][bG]zbH^*bJ^(bK^kbM]tbO^nbP`m"
    "bR^ubS^=bT0E^jdG^{dJ^jdT^^dW`xdX`hdY_bdZ_jc1E^jdG^{dJ^jdT^^dY_bdZ_jc2E^jdG^{dJ^jdT^^dX`hdY"
    "_bdZ_jc3E^jdG^{dJ^jdT^^dY_bdZ_jc4E^jdG^{dJ^jdT^^dW`xdX`hdY_bdZ_jc5G^{dT^^dW`xdX`hdY_bdZ_jc"
    "6E^jdG^{dJ^jdT^^dY_bdZ_jc7E^jdG^{dJ^jdT^^dY_bdZ_jc8E^jdG^{dJ^jdT^^dW`xdX`hdY_bdZ_jc9E^jdG^"
    "{dJ^jdT^^bW{:bY^`aG]gbChbD]kbH]|bIqbJ]|bMgbNqbP]+bSgbT]kbU]+bWhaH2_db3_yb4{#c0}|b5]>b6`!b7"
    "`!b8_yb9_ybA_qbB^~c0{(bC`fc8^;bD`fc8^;bE^~c0{(bF]pbG_qbH{rbI|xbJ_`c0_zdM_nbK_`c0_zdM_nbL^p"
    "bN0^>c1^>c2^>c3^>c4^>c5^>c6^>c7^>c8^>c9^>bO_ybP_ybQ{sbR{sbS{[bT`!bU{pbV{.bW][bX][bY][bZ]]a"
    "IzbB9zbD9zbE9zbF9zbG9`,bH9`,bI9zbJ9zbM0>bO9zbQ9zbR9zbS0>bT9zbU9zbW0U>dV>dW>dX>dY>dZ>c9zbY9"
    "zaJ2}#b3|yb4]qc5].c9]sb5|(b6{wb7|#b8|%bA];bD1`(bE];bF];bG];bH];bI];bJ];bK];bL];bM];bN];bO]"
    ";bP];bQ];bR];bS];bT{ac2_}c3_}bU{ac2_}c3_}bV{ac2_}c3_}bW^]bX|)bY}yaKbb0fb5fb6ab7ab8mb9mbA0f"
    "c5fc6ac7ac8mc9mbB0fc5fc6ac7ac8mc9mbC0fc5fc6ac7ac8mc9mbD0fc5fc6ac7ac8mc9mbE0fc5fc6ac7ac8mc9"
    "mbF0fc5fc6ac7ac8mc9mbG0fc4^ic5fc6ac7ac8mc9mbH0]lc1`wc2=c3`gc4`&c5`)c6lc7ldK`$c8^wc9`-bI0fc"
    "5fc6ac7ac8mc9mbJ0fc5fc6ac7ac8mc9mbK0fc5fc6ac7ac8mc9mbLkc9K^pbM0fc5fc6ac7ac8mc9mbN0fc5fc6ac"
    "7ac8mc9mbO0fc5fc6ac7ac8mc9mbP1`_c2]ec3vc4vc5`>bQ0fc5fc6ac7ac8mc9mbR0fc5fc6ac7ac8mc9mbS0fc5"
    "fc6ac7ac8mc9mbT0fc5fc6ac7ac8mc9mbU0fc5fc6ac7ac8mc9mbV0fc5fc6ac7ac8mc9mbW0fc5fc6ac7ac8mc9mb"
    "X0fc5fc6ac7ac8mc9mbY0fc5fc6ac7ac8mc9mbZ0fc5fc6ac7ac8mc9maL1db2dc0VedWedXedYec1VedWedXedYec"
    "2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYe"
    "c9VedWedXedYeb3dc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedX"
    "edYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYeb4dc0VedWedXedYec1VedWedXedYec2Ved"
    "WedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9Ve"
    "dWedXedYeb5dc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYe"
    "c6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYeb6dc0VedWedXedYec1VedWedXedYec2VedWedX"
    "edYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWed"
    "XedYeb7dc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6Ve"
    "dWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYeb8dc0VedWedXedYec1VedWedXedYec2VedWedXedYe"
    "c3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedY"
    "eb9dc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWed"
    "XedYec7VedWedXedYec8VedWedXedYec9VedWedXedYebA.bB.bC.bD.bE.bF.bG.bH.bI.bJ.bK.bL.bM.bN.bOdc"
    "0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYe"
    "c7VedWedXedYec8VedWedXedYec9VedWedXedYebPdc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedX"
    "edYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYebQdc0Ved"
    "WedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7Ve"
    "dWedXedYec8VedWedXedYec9VedWedXedYebRdc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYe"
    "c4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYebSdc0VedWedX"
    "edYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWed"
    "XedYec8VedWedXedYec9VedWedXedYebTdc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4Ve"
    "dWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYebUdc0VedWedXedYe"
    "c1VedWedXedYedZ]ic2VedWedXedYedZ]ic3VedWedXedYedZ]ic4VedWedXedYedZ]ic5VedWedXedYedZ]ic6Ved"
    "WedXedYedZ]ic7VedWedXedYedZ]ic8VedWedXedYedZ]ic9VedWedXedYedZ]ibVdc0VedWedXedYec1VedWedXed"
    "Yec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedWedXedYec6VedWedXedYec7VedWedXedYec8VedWedXe"
    "dYec9VedWedXedYebWdc0VedWedXedYec1VedWedXedYec2VedWedXedYec3VedWedXedYec4VedWedXedYec5VedW"
    "edXedYec6VedWedXedYec7VedWedXedYec8VedWedXedYec9VedWedXedYebX{)bY^gbZ`+aM]gbAgbChbD]kbH]|b"
    "IqbJ]|bMgbNqbP]+bSgbT]kbU]+bWhaNbb0fb5fb6ab7ab8mb9mbA0fc5fc6ac7ac8mc9mbB0fc5fc6ac7ac8mc9mb"
    "C0fc5fc6ac7ac8mc9mbD0fc5fc6ac7ac8mc9mbE0fc5fc6ac7ac8mc9mbF0fc5fc6ac7ac8mc9mbG0fc5fc6ac7ac8"
    "mc9mbH0]lc1`wc2=c3`gc4`&c5`)c6lc7ldK`$c8^wc9`-bI0fc5fc6ac7ac8mc9mbJ0fc5fc6ac7ac8mc9mbK0fc5"
    "fc6ac7ac8mc9mbLkcD`qbM0fc5fc6ac7ac8mc9mbN0fc5fc6ac7ac8mc9mbO0fc5fc6ac7ac8mc9mbP1`_c2]ec3vc"
    "4vc5`>bQ0fc5fc6ac7ac8mc9mbR0fc5fc6ac7ac8mc9mbS0fc5fc6ac7ac8mc9mbT0fc5fc6ac7ac8mc9mbU0fc5fc"
    "6ac7ac8mc9mbV0fc5fc6ac7ac8mc9mbW0fc5fc6ac7ac8mc9mbX0fc5fc6ac7ac8mc9mbY0fc5fc6ac7ac8mc9mbZ0"
    "fc5fc6ac7ac8mc9maOA`#bB`#bC`#bD`:bE]&bFxc0^-bGxc0^-bHxc0^-bIxc0^-bJxc0|[bK_:bL_:bM}`bN]#bO"
    "]#bP]#bQ]#bR]#bS]#bT]#bU]fbV]fbW``bX`{bY``bZ]faP2|>b3_db4{vb5`pb6`pb7`pb8`pb9`pbA'bB'bC'bD"
    "'bE'bF'bG'bH'bI'bJ0{gc2~ac4~bc5|bc6|bc7{gc8{gbK]}bL]}bM]}bN]}bO]}bP]oc0F]ndR]ndS^adT^bdZF]"
    "neR]neS^aeT^bc6]cc7]cc8_)c9]cbQ]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc2]cc6]cc7]cc8]cc9]cbR]"
    "oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8]cc9]cbS]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc"
    "6]cc7]cc8]cc9]cbT]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc2]cc6]cc7]cc8_)bU]oc0F]ndR]ndS^adT^b"
    "dZF]neR]neS^aeT^bc6]cc7]cc8]cc9]cbV]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8_)c9]cbW]"
    "oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8_)c9]cbX]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc"
    "6]cc7]cc8]cc9]cbY]oc0F]ndR]ndS^adT^bdZ]neS^aeT^bc6]cc7]cc8]cc9]cbZ|,aRib0]%cAocBocCscEscFs"
    "cHocI])cK]vcLscMscNscOocQ]bcRocSocTocUocVocWjcX<cY]rcZ<b1I)cN#cO#cP]xcZ#b2F*cK*b4H$cI$cW$b"
    "8ncF(cG(cHjcIjcJucKucOjcPjcSpcTpcUjcVjcWpcX)cYjcZjb9ncF(cG(cHjcIjcJucKucOjcPjcSpcTpcUjcVjc"
    "WpcX)cYjcZjbA0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)"
    "dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjd"
    "IjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbC0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodS"
    "odTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTp"
    "dUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbD0]%dAodBodCsdEsdFsd"
    "HodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8"
    "ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdW"
    "pdX)dYjdZjbE0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)d"
    "N#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(d"
    "HjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbF0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdR"
    "odSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSp"
    "dTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbG0]%dAodBodCsdEsd"
    "FsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW"
    "$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdV"
    "jdWpdX)dYjdZjbI0]%dAodBodCsdFsdHodI])dK]vdLsdQ]bdX<dZ<c1AN`vdF_^c8ndX)c9ndKudX)bJ0]%dAodBo"
    "dCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4"
    "H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpd"
    "TpdUjdVjdWpdX)dYjdZjbK0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY"
    "]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZj"
    "c9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbL0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdN"
    "sdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudK"
    "udOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbM0]%dAo"
    "dBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK"
    "*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjd"
    "SpdTpdUjdVjdWpdX)dYjdZjbN0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX"
    "<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYj"
    "dZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbO0]%dAodBodCsdEsdFsdHodI])dK]vdLsdM"
    "sdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJ"
    "udKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbQ0]%"
    "dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F"
    "*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjd"
    "PjdSpdTpdUjdVjdWpdX)dYjdZjbT0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodW"
    "jdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)"
    "dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbU0]%dAodBodCsdEsdFsdHodI])dK]vdL"
    "sdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdI"
    "jdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbV"
    "0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#"
    "c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKud"
    "OjdPjdSpdTpdUjdVjdWpdX)dYjdZjbW0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodV"
    "odWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWp"
    "dX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbX0]%dAodBodCsdEsdFsdHodI])dK]"
    "vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dH"
    "jdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZ"
    "jbY0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]x"
    "dZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJud"
    "KudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbZ0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodU"
    "odVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2F*dK*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVj"
    "dWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjaS0}ub2{<b3{<b4]>b5_.b6{>b7"
    "`rb8]>b9}dbA@bB@bC@bD@bE@bF@bG@bH@bI@bJ@bK@bL@bM@bN]pbO]pbP]pbQ]pbR]pbS`<bT{dbU`<bV]qc5].c"
    "9]sbW]qc5].c9]sbX]qc5].c9]sbY]qc5].c9]sbZ]qc5].c9]saT2}ob30}tc1|nc2|pc3}]b4_'b5{'b6{hb7}mb"
    "8|mbA]ac1^dbB]ac1^dbC]ac1^dbD{qbE`~c9{mbF_*bG{qbH][bI`~c9{mbJ}%bK{%bL}&bM][bN0_gc1_gc2_gc3"
    "_gc4_gc5_gc6_gc7_gc8_gc9_gbO][bP][bQ][bR}+bS`sbT}(bU0_hc1_hc2_hc3_hc4_hc5_hc6_hc7_hc8_hc9_"
    "hbV][bW{:bX][bY}*bZ};aUib0]%cAocBocCscEscFscHocI])cK]vcLscMscNscOocQ]bcRocSocTocUocVocWjcX"
    "<cY]rcZ<b1I)cN#cO#cP]xcZ#b2F*cK*b4H$cI$cW$b5]db8ncF(cG(cHjcIjcJucKucOjcPjcSpcTpcUjcVjcWpcX"
    ")cYjcZjb9ncF(cG(cHjcIjcJucKucOjcPjcSpcTpcUjcVjcWpcX)cYjcZjbA0]%dAodBodCsdEsdFsdHodI])dK]vd"
    "LsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJ"
    "udKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbB0]%"
    "dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*"
    "c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdS"
    "pdTpdUjdVjdWpdX)dYjdZjbC0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<"
    "dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9"
    "ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbD0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsd"
    "OodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdP"
    "jdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbE0]%dAodBodCs"
    "dEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW"
    "$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdV"
    "jdWpdX)dYjdZjbF0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1"
    "I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dH"
    "jdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbG0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRo"
    "dSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdU"
    "jdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbH0]%dAodBodCsdEsdFsdHo"
    "dI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#dP]xdZ#c2*c4H$dI$dW$c8ndF(dG"
    "(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dY"
    "jdZjbI0]%dAodBodCsdEsdFsdHodI])dK]vdLsdMsdNsdOodQ]bdRodSodTodUodVodWjdX<dY]rdZ<c1I)dN#dO#d"
    "P]xdZ#c2*c4H$dI$dW$c8ndF(dG(dHjdIjdJudKudOjdPjdSpdTpdUjdVjdWpdX)dYjdZjc9ndF(dG(dHjdIjdJudK"
    "udOjdPjdSpdTpdUjdVjdWpdX)dYjdZjbJ_!bK_!bL_!bM_!bN^&c0F,dG,dJ,dQ,c2F,dG,dJ,dQ,c3F,dG,dJ,dQ,"
    "c4F,dG,dJ,dQ,c5F,dG,dJ,dQ,c6F,dG,dJ,dQ,c7F,dG,dJ,dQ,c8F,dG,dJ,dQ,c9F,dG,dJ,dQ,bO^&c0F,dG,d"
    "J,dQ,c1F,dG,dJ,dQ,c2F,dG,dJ,dQ,c3F,dG,dJ,dQ,c4F,dG,dJ,dQ,c5F,dG,dJ,dQ,c6F,dG,dJ,dQ,c7F,dG,"
    "dJ,dQ,c8F,dG,dJ,dQ,c9F,dG,dJ,dQ,bP^&c0F,dG,dJ,dQ,c1F,dG,dJ,dQ,c2F,dG,dJ,dQ,c3F,dG,dJ,dQ,c4"
    "F,dG,dJ,dQ,c5F,dG,dJ,dQ,c6F,dG,dJ,dQ,c7F,dG,dJ,dQ,c8F,dG,dJ,dQ,c9F,dG,dJ,dQ,bQ^&c0F,dG,dJ,"
    "dQ,c1F,dG,dJ,dQ,c2F,dG,dJ,dQ,c3F,dG,dJ,dQ,c4F,dG,dJ,dQ,c5F,dG,dJ,dQ,c6F,dG,dJ,dQ,c7F,dG,dJ"
    ",dQ,c8F,dG,dJ,dQ,c9F,dG,dJ,dQ,bR]dbS]dbT]dbU]dbV]dbW]dbX]dbY]dbZ]daV2|!b3|vb4}gb5_ib6_ob7|"
    "]b8}zb9]>bA](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bB](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bC](c2]~c3]!c4]=c"
    "5]=c6^$c7]{c8^,bD1](c2_wbE](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bF1_<c2](bG](c2]~c3]!c4]=c5]=c6^$c"
    "7]{c8^,bI]yc0^oc4]^c6]wc8]@c9^cdC^ydL]`dM`kdW_sdX^vdY^ydZ_sbJ]yc4]^c6]wc8]@bK]yc0^oc4]^c6]"
    "wc8]@c9^cdC^ydFC^yeL]`eW_seX^vdKC^yeX^vdL]`dM`kdW_sdX^vdY^ydZ_seL]`eY^ybL]yc4]^c6]wc8]@bO1"
    "](c2_wbP0G^|dS`|c2E|edM|$dV|uc5{tc6|_c8|-c9`@bQ5{tc9|obR}xbT]-bU]-c4_=c7`%bV]-bW]-bX](c2]~"
    "c3]!c4]=c5]=c6^$c7]{c8^,bY0;c1_<c2](c9](bZ9L]`dM`kdW_sdX^vdY^yaWbb0fb5fb6ab7ab8mb9mbA0fc5f"
    "c6ac7ac8mc9mbB0fc5fc6ac7ac8mc9mbC0fc5fc6ac7ac8mc9mbD0fc5fc6ac7ac8mc9mbE0fc5fc6ac7ac8mc9mbF"
    "0fc5fc6ac7ac8mc9mbG0fc5fc6ac7ac8mc9mbH0]lc1`wc2=c3`gc4`&c5`)c6lc7ldK`$c8^wc9`-bI0fc5fc6ac7"
    "ac8mc9mbJ0fc5fc6ac7ac8mc9mbK0fc5fc6ac7ac8mc9mbLkbM0fc5fc6ac7ac8mc9mbN0fc5fc6ac7ac8mc9mbO0f"
    "c5fc6ac7ac8mc9mbP1`_c2]ec3vc4vc5`>bQ0fc5fc6ac7ac8mc9mbR0fc5fc6ac7ac8mc9mbS0fc5fc6ac7ac8mc9"
    "mbT0fc5fc6ac7ac8mc9mbU0fc5fc6ac7ac8mc9mbV0fc5fc6ac7ac8mc9mbW0fc5fc6ac7ac8mc9mbX0fc5fc6ac7a"
    "c8mc9mbY0fc5fc6ac7ac8mc9mbZ0fc5fc6ac7ac8mc9maXA^ec4^qbB^ec4^qbC^ec4^qbD^ec4^qbE^ec4^qbF^ec"
    "4^qbG^ec4^qbH^ec4^qbI^ec4^qbJ1](c2_wbK0;c1_<c2](bL](c2]~c3]!c4]=c5]=c6^$c7]{c8^,bM](c2]~c3"
    "]!c4]=c5]=c6^$c7]{c8^,bN1](c2_wbO0;c1_<c2](bP`{bQ^rc0_ldX_pdZ_mc7^fc8^fbR^rc0_ldX_pdZ_mc7^"
    "fc8^fc9]hbS-c0&c2ArdBrdCrdDrdErdFrdGrdHrdIrdJrdKrdLrdMrdNrdOrdPrc3G+dH+dI+dJ+dK+dL+c6QcdRc"
    "dScdTcdUcdVcdWcdXcc7AcdBcdCcdDcdEcdFcdGcdHcdQcdRcdScdTcdUcdVcdWcdXcc8AcdBcdCcdDcdEcdFcdGcd"
    "HcdIcdJcdKcdLcdMcdNcdOcdPcdQcdRcdScdTcdUcdVcdWcdXcc9tdAcdBcdCcdDcdEcdFcdGtdHtdItdJtdKtdLtd"
    "MtdNtdOtdPtdQtdRtdS&dT&dU&dV&dW&dX&bT}@bU}wbV`}bW{zbX9|:bY{=bZ{=aY2yb3yb4yb5yb6yb7yb8yb9yb"
    "A{hbB]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bC]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bD]}c0!c1!c2!c3!c4!c5!c6!"
    "c7!c8!bE]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bF]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bG]}c0!c1!c2!c3!c4!c5!"
    "c6!c7!c8!bH]}c0!c1!c2!c3!c4!c5!c6!c7!c8!bI^>bJ|<bK{@bL^@bM]ac1^dbN`!bO_rbP_rbQ_rbR_rbS{pbT"
    "^#bU^#bV`ic0`dbW`ic0`dbX`ic0`dbY`ic0`daZ2{cb3}_b6~cb8|cbA|dbB`lbC4{,bD7}hc8}ac9}lbF|wbG`lb"
    "K^sc3}kbL^sc5]'d0^sc7{lc8`]c9|lbM^sc5]'c7{lc8`]bP|+bR]>c8`*bS]>c7]:c8`*bT]>c8`*bU]>c8`*bV]"
    "oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8]cc9]cbW]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc"
    "6]cc7]cc8]cc9]cbX]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8]cc9]cbY]oc0F]ndR]ndS^adT^b"
    "dZ]neS^aeT^bc6]cc7]cc8]cc9]cbZ]oc0F]ndR]ndS^adT^bdZF]neR]neS^aeT^bc6]cc7]cc8]cc9]c",
};
const PackedKeys kPrefixes = {kPrefixesParts, std::size(kPrefixesParts), 7738};

} // namespace Dxcc::Table
