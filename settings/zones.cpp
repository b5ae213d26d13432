#include "settings/zones.h"

#include <cstdint>

namespace dv {
namespace {

// The zones of the system's time-zone list (the keys under
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Time Zones), each with
// the city its display name names first ("(UTC+08:00) Beijing, Chongqing,
// Hong Kong, Urumqi": Beijing), or, where it names a region or an offset
// rather than a city, that region's most populous or only settlement. The
// coordinates are those of the city centres in the GeoNames gazetteer, to a
// hundredth of a degree (about a kilometre, a few seconds of sunset),
// latitude north and longitude east positive. They are kept as whole
// hundredths, which is what they are.
struct ZonePlace {
    constexpr ZonePlace(const char* k, double lat, double lon)
        : key(k), latitude(Hundredths(lat)), longitude(Hundredths(lon)) {}
    static constexpr std::int16_t Hundredths(double degrees) {
        return static_cast<std::int16_t>(degrees * 100 + (degrees < 0 ? -0.5 : 0.5));
    }
    const char* key;
    std::int16_t latitude, longitude;
};
constexpr ZonePlace kZones[] = {
    {"Dateline Standard Time",            0.19, -176.48},  // Baker Island
    {"UTC-11",                          -14.28, -170.70},  // Pago Pago
    {"Aleutian Standard Time",           51.88, -176.66},  // Adak
    {"Hawaiian Standard Time",           21.31, -157.86},  // Honolulu
    {"Marquesas Standard Time",          -8.91, -140.10},  // Taiohae
    {"Alaskan Standard Time",            61.22, -149.90},  // Anchorage
    {"UTC-09",                          -23.12, -134.97},  // Rikitea, Gambier
    {"Pacific Standard Time (Mexico)",   32.53, -117.02},  // Tijuana
    {"UTC-08",                          -25.07, -130.10},  // Adamstown, Pitcairn
    {"Pacific Standard Time",            34.05, -118.24},  // Los Angeles
    {"US Mountain Standard Time",        33.45, -112.07},  // Phoenix
    {"Mountain Standard Time (Mexico)",  24.14, -110.31},  // La Paz
    {"Mountain Standard Time",           39.74, -104.99},  // Denver
    {"Yukon Standard Time",              60.72, -135.06},  // Whitehorse
    {"Central America Standard Time",    14.63,  -90.51},  // Guatemala City
    {"Central Standard Time",            41.88,  -87.63},  // Chicago
    {"Easter Island Standard Time",     -27.15, -109.43},  // Hanga Roa
    {"Central Standard Time (Mexico)",   20.67, -103.35},  // Guadalajara
    {"Canada Central Standard Time",     50.45, -104.61},  // Regina
    {"SA Pacific Standard Time",          4.71,  -74.07},  // Bogota
    {"Eastern Standard Time (Mexico)",   18.50,  -88.30},  // Chetumal
    {"Eastern Standard Time",            40.71,  -74.01},  // New York
    {"Haiti Standard Time",              18.59,  -72.31},  // Port-au-Prince
    {"Cuba Standard Time",               23.11,  -82.37},  // Havana
    {"US Eastern Standard Time",         39.77,  -86.16},  // Indianapolis
    {"Turks And Caicos Standard Time",   21.46,  -71.14},  // Cockburn Town
    {"Paraguay Standard Time",          -25.26,  -57.58},  // Asuncion
    {"Atlantic Standard Time",           44.65,  -63.57},  // Halifax
    {"Venezuela Standard Time",          10.49,  -66.88},  // Caracas
    {"Central Brazilian Standard Time", -15.60,  -56.10},  // Cuiaba
    {"SA Western Standard Time",          6.80,  -58.16},  // Georgetown
    {"Pacific SA Standard Time",        -33.45,  -70.67},  // Santiago
    {"Newfoundland Standard Time",       47.56,  -52.71},  // St. John's
    {"Tocantins Standard Time",          -7.19,  -48.21},  // Araguaina
    {"E. South America Standard Time",  -15.79,  -47.88},  // Brasilia
    {"SA Eastern Standard Time",          4.94,  -52.33},  // Cayenne
    {"Argentina Standard Time",         -34.60,  -58.38},  // Buenos Aires
    {"Greenland Standard Time",          64.18,  -51.72},  // Nuuk
    {"Montevideo Standard Time",        -34.90,  -56.19},  // Montevideo
    {"Magallanes Standard Time",        -53.16,  -70.91},  // Punta Arenas
    {"Saint Pierre Standard Time",       46.78,  -56.18},  // Saint-Pierre
    {"Bahia Standard Time",             -12.97,  -38.50},  // Salvador
    {"UTC-02",                           -3.85,  -32.42},  // Fernando de Noronha
    {"Mid-Atlantic Standard Time",       -3.85,  -32.42},  // the same, its older name
    {"Azores Standard Time",             37.74,  -25.67},  // Ponta Delgada
    {"Cape Verde Standard Time",         14.93,  -23.51},  // Praia
    {"UTC",                              51.48,    0.00},  // Greenwich
    {"GMT Standard Time",                53.35,   -6.26},  // Dublin
    {"Greenwich Standard Time",           6.30,  -10.80},  // Monrovia
    {"Sao Tome Standard Time",            0.34,    6.73},  // Sao Tome
    {"Morocco Standard Time",            33.57,   -7.59},  // Casablanca
    {"W. Europe Standard Time",          52.37,    4.90},  // Amsterdam
    {"Central Europe Standard Time",     44.79,   20.45},  // Belgrade
    {"Romance Standard Time",            50.85,    4.35},  // Brussels
    {"Central European Standard Time",   43.86,   18.41},  // Sarajevo
    {"W. Central Africa Standard Time",   6.52,    3.38},  // Lagos
    {"Jordan Standard Time",             31.95,   35.93},  // Amman
    {"GTB Standard Time",                37.98,   23.73},  // Athens
    {"Middle East Standard Time",        33.89,   35.50},  // Beirut
    {"Egypt Standard Time",              30.04,   31.24},  // Cairo
    {"E. Europe Standard Time",          47.01,   28.86},  // Chisinau
    {"Syria Standard Time",              33.51,   36.29},  // Damascus
    {"West Bank Standard Time",          31.50,   34.47},  // Gaza
    {"South Africa Standard Time",      -17.83,   31.05},  // Harare
    {"FLE Standard Time",                60.17,   24.94},  // Helsinki
    {"Israel Standard Time",             31.77,   35.21},  // Jerusalem
    {"South Sudan Standard Time",         4.85,   31.58},  // Juba
    {"Kaliningrad Standard Time",        54.71,   20.51},  // Kaliningrad
    {"Sudan Standard Time",              15.50,   32.56},  // Khartoum
    {"Libya Standard Time",              32.89,   13.19},  // Tripoli
    {"Namibia Standard Time",           -22.56,   17.08},  // Windhoek
    {"Arabic Standard Time",             33.31,   44.36},  // Baghdad
    {"Turkey Standard Time",             41.01,   28.98},  // Istanbul
    {"Arab Standard Time",               29.38,   47.99},  // Kuwait
    {"Belarus Standard Time",            53.90,   27.57},  // Minsk
    {"Russian Standard Time",            55.76,   37.62},  // Moscow
    {"E. Africa Standard Time",          -1.29,   36.82},  // Nairobi
    {"Volgograd Standard Time",          48.71,   44.51},  // Volgograd
    {"Iran Standard Time",               35.69,   51.39},  // Tehran
    {"Arabian Standard Time",            24.45,   54.38},  // Abu Dhabi
    {"Astrakhan Standard Time",          46.35,   48.04},  // Astrakhan
    {"Azerbaijan Standard Time",         40.41,   49.87},  // Baku
    {"Russia Time Zone 3",               56.85,   53.20},  // Izhevsk
    {"Mauritius Standard Time",         -20.16,   57.50},  // Port Louis
    {"Saratov Standard Time",            51.53,   46.03},  // Saratov
    {"Georgian Standard Time",           41.72,   44.79},  // Tbilisi
    {"Caucasus Standard Time",           40.18,   44.51},  // Yerevan
    {"Afghanistan Standard Time",        34.56,   69.21},  // Kabul
    {"West Asia Standard Time",          37.95,   58.38},  // Ashgabat
    {"Qyzylorda Standard Time",          44.85,   65.51},  // Qyzylorda
    {"Ekaterinburg Standard Time",       56.84,   60.61},  // Yekaterinburg
    {"Pakistan Standard Time",           33.68,   73.05},  // Islamabad
    {"India Standard Time",              13.08,   80.27},  // Chennai
    {"Sri Lanka Standard Time",           6.89,   79.90},  // Sri Jayawardenepura
    {"Nepal Standard Time",              27.72,   85.32},  // Kathmandu
    {"Central Asia Standard Time",       51.17,   71.45},  // Astana
    {"Bangladesh Standard Time",         23.81,   90.41},  // Dhaka
    {"Omsk Standard Time",               54.99,   73.37},  // Omsk
    {"Myanmar Standard Time",            16.87,   96.20},  // Yangon
    {"SE Asia Standard Time",            13.76,  100.50},  // Bangkok
    {"Altai Standard Time",              53.35,   83.78},  // Barnaul
    {"W. Mongolia Standard Time",        48.01,   91.64},  // Hovd
    {"North Asia Standard Time",         56.01,   92.87},  // Krasnoyarsk
    {"N. Central Asia Standard Time",    55.03,   82.92},  // Novosibirsk
    {"Tomsk Standard Time",              56.48,   84.95},  // Tomsk
    {"China Standard Time",              39.90,  116.41},  // Beijing
    {"North Asia East Standard Time",    52.29,  104.28},  // Irkutsk
    {"Singapore Standard Time",           3.14,  101.69},  // Kuala Lumpur
    {"W. Australia Standard Time",      -31.95,  115.86},  // Perth
    {"Taipei Standard Time",             25.03,  121.57},  // Taipei
    {"Ulaanbaatar Standard Time",        47.89,  106.91},  // Ulaanbaatar
    {"Aus Central W. Standard Time",    -31.68,  128.88},  // Eucla
    {"Transbaikal Standard Time",        52.03,  113.50},  // Chita
    {"Tokyo Standard Time",              34.69,  135.50},  // Osaka
    {"North Korea Standard Time",        39.04,  125.76},  // Pyongyang
    {"Korea Standard Time",              37.57,  126.98},  // Seoul
    {"Yakutsk Standard Time",            62.04,  129.68},  // Yakutsk
    {"Cen. Australia Standard Time",    -34.93,  138.60},  // Adelaide
    {"AUS Central Standard Time",       -12.46,  130.84},  // Darwin
    {"E. Australia Standard Time",      -27.47,  153.03},  // Brisbane
    {"AUS Eastern Standard Time",       -35.28,  149.13},  // Canberra
    {"West Pacific Standard Time",       13.48,  144.75},  // Hagatna, Guam
    {"Tasmania Standard Time",          -42.88,  147.33},  // Hobart
    {"Vladivostok Standard Time",        43.12,  131.89},  // Vladivostok
    {"Lord Howe Standard Time",         -31.55,  159.08},  // Lord Howe Island
    {"Bougainville Standard Time",       -6.23,  155.57},  // Arawa
    {"Russia Time Zone 10",              70.62,  147.90},  // Chokurdakh
    {"Magadan Standard Time",            59.57,  150.80},  // Magadan
    {"Norfolk Standard Time",           -29.05,  167.96},  // Kingston
    {"Sakhalin Standard Time",           46.96,  142.73},  // Yuzhno-Sakhalinsk
    {"Central Pacific Standard Time",    -9.43,  159.95},  // Honiara
    {"Russia Time Zone 11",              64.73,  177.51},  // Anadyr
    {"New Zealand Standard Time",       -36.85,  174.76},  // Auckland
    {"UTC+12",                            1.45,  173.03},  // Tarawa
    {"Fiji Standard Time",              -18.14,  178.44},  // Suva
    {"Kamchatka Standard Time",          53.04,  158.65},  // Petropavlovsk-Kamchatsky
    {"Chatham Islands Standard Time",   -43.95, -176.56},  // Waitangi
    {"UTC+13",                           -2.81, -171.68},  // Kanton
    {"Tonga Standard Time",             -21.14, -175.20},  // Nuku'alofa
    {"Samoa Standard Time",             -13.83, -171.76},  // Apia
    {"Line Islands Standard Time",        1.87, -157.43},  // Kiritimati
};

}  // namespace

std::optional<GeoPoint> PlaceOfZone(std::string_view key) {
    for (const ZonePlace& zone : kZones)
        if (key == zone.key) return GeoPoint{zone.latitude / 100.0, zone.longitude / 100.0};
    return std::nullopt;
}

}  // namespace dv
