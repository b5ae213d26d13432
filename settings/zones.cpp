#include "settings/zones.h"

#include <cstdint>
#include <iterator>

namespace dv {
namespace {

// The zones of the system's time-zone list (the keys under
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Time Zones), each with
// the city its display name names first ("(UTC+08:00) Beijing, Chongqing,
// Hong Kong, Urumqi": Beijing), or, where it names a region or an offset
// rather than a city, that region's most populous or only settlement. The
// coordinates are those of the city centres in the GeoNames gazetteer, to a
// hundredth of a degree (about a kilometre, a few seconds of sunset).
//
// Each zone's key name, with "*" standing for " Standard Time" (in most of
// them), and its place in hundredths of a degree of latitude and longitude.
#define DV_ZONES(Z) \
    Z("Dateline*", 19, -17648)            /* Baker Island */ \
    Z("UTC-11", -1428, -17070)            /* Pago Pago */ \
    Z("Aleutian*", 5188, -17666)          /* Adak */ \
    Z("Hawaiian*", 2131, -15786)          /* Honolulu */ \
    Z("Marquesas*", -891, -14010)         /* Taiohae */ \
    Z("Alaskan*", 6122, -14990)           /* Anchorage */ \
    Z("UTC-09", -2312, -13497)            /* Rikitea, Gambier */ \
    Z("Pacific* (Mexico)", 3253, -11702)  /* Tijuana */ \
    Z("UTC-08", -2507, -13010)            /* Adamstown, Pitcairn */ \
    Z("Pacific*", 3405, -11824)           /* Los Angeles */ \
    Z("US Mountain*", 3345, -11207)       /* Phoenix */ \
    Z("Mountain* (Mexico)", 2414, -11031) /* La Paz */ \
    Z("Mountain*", 3974, -10499)          /* Denver */ \
    Z("Yukon*", 6072, -13506)             /* Whitehorse */ \
    Z("Central America*", 1463, -9051)    /* Guatemala City */ \
    Z("Central*", 4188, -8763)            /* Chicago */ \
    Z("Easter Island*", -2715, -10943)    /* Hanga Roa */ \
    Z("Central* (Mexico)", 2067, -10335)  /* Guadalajara */ \
    Z("Canada Central*", 5045, -10461)    /* Regina */ \
    Z("SA Pacific*", 471, -7407)          /* Bogota */ \
    Z("Eastern* (Mexico)", 1850, -8830)   /* Chetumal */ \
    Z("Eastern*", 4071, -7401)            /* New York */ \
    Z("Haiti*", 1859, -7231)              /* Port-au-Prince */ \
    Z("Cuba*", 2311, -8237)               /* Havana */ \
    Z("US Eastern*", 3977, -8616)         /* Indianapolis */ \
    Z("Turks And Caicos*", 2146, -7114)   /* Cockburn Town */ \
    Z("Paraguay*", -2526, -5758)          /* Asuncion */ \
    Z("Atlantic*", 4465, -6357)           /* Halifax */ \
    Z("Venezuela*", 1049, -6688)          /* Caracas */ \
    Z("Central Brazilian*", -1560, -5610) /* Cuiaba */ \
    Z("SA Western*", 680, -5816)          /* Georgetown */ \
    Z("Pacific SA*", -3345, -7067)        /* Santiago */ \
    Z("Newfoundland*", 4756, -5271)       /* St. John's */ \
    Z("Tocantins*", -719, -4821)          /* Araguaina */ \
    Z("E. South America*", -1579, -4788)  /* Brasilia */ \
    Z("SA Eastern*", 494, -5233)          /* Cayenne */ \
    Z("Argentina*", -3460, -5838)         /* Buenos Aires */ \
    Z("Greenland*", 6418, -5172)          /* Nuuk */ \
    Z("Montevideo*", -3490, -5619)        /* Montevideo */ \
    Z("Magallanes*", -5316, -7091)        /* Punta Arenas */ \
    Z("Saint Pierre*", 4678, -5618)       /* Saint-Pierre */ \
    Z("Bahia*", -1297, -3850)             /* Salvador */ \
    Z("UTC-02", -385, -3242)              /* Fernando de Noronha */ \
    Z("Mid-Atlantic*", -385, -3242)       /* the same, its older name */ \
    Z("Azores*", 3774, -2567)             /* Ponta Delgada */ \
    Z("Cape Verde*", 1493, -2351)         /* Praia */ \
    Z("UTC", 5148, 0)                     /* Greenwich */ \
    Z("GMT*", 5335, -626)                 /* Dublin */ \
    Z("Greenwich*", 630, -1080)           /* Monrovia */ \
    Z("Sao Tome*", 34, 673)               /* Sao Tome */ \
    Z("Morocco*", 3357, -759)             /* Casablanca */ \
    Z("W. Europe*", 5237, 490)            /* Amsterdam */ \
    Z("Central Europe*", 4479, 2045)      /* Belgrade */ \
    Z("Romance*", 5085, 435)              /* Brussels */ \
    Z("Central European*", 4386, 1841)    /* Sarajevo */ \
    Z("W. Central Africa*", 652, 338)     /* Lagos */ \
    Z("Jordan*", 3195, 3593)              /* Amman */ \
    Z("GTB*", 3798, 2373)                 /* Athens */ \
    Z("Middle East*", 3389, 3550)         /* Beirut */ \
    Z("Egypt*", 3004, 3124)               /* Cairo */ \
    Z("E. Europe*", 4701, 2886)           /* Chisinau */ \
    Z("Syria*", 3351, 3629)               /* Damascus */ \
    Z("West Bank*", 3150, 3447)           /* Gaza */ \
    Z("South Africa*", -1783, 3105)       /* Harare */ \
    Z("FLE*", 6017, 2494)                 /* Helsinki */ \
    Z("Israel*", 3177, 3521)              /* Jerusalem */ \
    Z("South Sudan*", 485, 3158)          /* Juba */ \
    Z("Kaliningrad*", 5471, 2051)         /* Kaliningrad */ \
    Z("Sudan*", 1550, 3256)               /* Khartoum */ \
    Z("Libya*", 3289, 1319)               /* Tripoli */ \
    Z("Namibia*", -2256, 1708)            /* Windhoek */ \
    Z("Arabic*", 3331, 4436)              /* Baghdad */ \
    Z("Turkey*", 4101, 2898)              /* Istanbul */ \
    Z("Arab*", 2938, 4799)                /* Kuwait */ \
    Z("Belarus*", 5390, 2757)             /* Minsk */ \
    Z("Russian*", 5576, 3762)             /* Moscow */ \
    Z("E. Africa*", -129, 3682)           /* Nairobi */ \
    Z("Volgograd*", 4871, 4451)           /* Volgograd */ \
    Z("Iran*", 3569, 5139)                /* Tehran */ \
    Z("Arabian*", 2445, 5438)             /* Abu Dhabi */ \
    Z("Astrakhan*", 4635, 4804)           /* Astrakhan */ \
    Z("Azerbaijan*", 4041, 4987)          /* Baku */ \
    Z("Russia Time Zone 3", 5685, 5320)   /* Izhevsk */ \
    Z("Mauritius*", -2016, 5750)          /* Port Louis */ \
    Z("Saratov*", 5153, 4603)             /* Saratov */ \
    Z("Georgian*", 4172, 4479)            /* Tbilisi */ \
    Z("Caucasus*", 4018, 4451)            /* Yerevan */ \
    Z("Afghanistan*", 3456, 6921)         /* Kabul */ \
    Z("West Asia*", 3795, 5838)           /* Ashgabat */ \
    Z("Qyzylorda*", 4485, 6551)           /* Qyzylorda */ \
    Z("Ekaterinburg*", 5684, 6061)        /* Yekaterinburg */ \
    Z("Pakistan*", 3368, 7305)            /* Islamabad */ \
    Z("India*", 1308, 8027)               /* Chennai */ \
    Z("Sri Lanka*", 689, 7990)            /* Sri Jayawardenepura */ \
    Z("Nepal*", 2772, 8532)               /* Kathmandu */ \
    Z("Central Asia*", 5117, 7145)        /* Astana */ \
    Z("Bangladesh*", 2381, 9041)          /* Dhaka */ \
    Z("Omsk*", 5499, 7337)                /* Omsk */ \
    Z("Myanmar*", 1687, 9620)             /* Yangon */ \
    Z("SE Asia*", 1376, 10050)            /* Bangkok */ \
    Z("Altai*", 5335, 8378)               /* Barnaul */ \
    Z("W. Mongolia*", 4801, 9164)         /* Hovd */ \
    Z("North Asia*", 5601, 9287)          /* Krasnoyarsk */ \
    Z("N. Central Asia*", 5503, 8292)     /* Novosibirsk */ \
    Z("Tomsk*", 5648, 8495)               /* Tomsk */ \
    Z("China*", 3990, 11641)              /* Beijing */ \
    Z("North Asia East*", 5229, 10428)    /* Irkutsk */ \
    Z("Singapore*", 314, 10169)           /* Kuala Lumpur */ \
    Z("W. Australia*", -3195, 11586)      /* Perth */ \
    Z("Taipei*", 2503, 12157)             /* Taipei */ \
    Z("Ulaanbaatar*", 4789, 10691)        /* Ulaanbaatar */ \
    Z("Aus Central W.*", -3168, 12888)    /* Eucla */ \
    Z("Transbaikal*", 5203, 11350)        /* Chita */ \
    Z("Tokyo*", 3469, 13550)              /* Osaka */ \
    Z("North Korea*", 3904, 12576)        /* Pyongyang */ \
    Z("Korea*", 3757, 12698)              /* Seoul */ \
    Z("Yakutsk*", 6204, 12968)            /* Yakutsk */ \
    Z("Cen. Australia*", -3493, 13860)    /* Adelaide */ \
    Z("AUS Central*", -1246, 13084)       /* Darwin */ \
    Z("E. Australia*", -2747, 15303)      /* Brisbane */ \
    Z("AUS Eastern*", -3528, 14913)       /* Canberra */ \
    Z("West Pacific*", 1348, 14475)       /* Hagatna, Guam */ \
    Z("Tasmania*", -4288, 14733)          /* Hobart */ \
    Z("Vladivostok*", 4312, 13189)        /* Vladivostok */ \
    Z("Lord Howe*", -3155, 15908)         /* Lord Howe Island */ \
    Z("Bougainville*", -623, 15557)       /* Arawa */ \
    Z("Russia Time Zone 10", 7062, 14790) /* Chokurdakh */ \
    Z("Magadan*", 5957, 15080)            /* Magadan */ \
    Z("Norfolk*", -2905, 16796)           /* Kingston */ \
    Z("Sakhalin*", 4696, 14273)           /* Yuzhno-Sakhalinsk */ \
    Z("Central Pacific*", -943, 15995)    /* Honiara */ \
    Z("Russia Time Zone 11", 6473, 17751) /* Anadyr */ \
    Z("New Zealand*", -3685, 17476)       /* Auckland */ \
    Z("UTC+12", 145, 17303)               /* Tarawa */ \
    Z("Fiji*", -1814, 17844)              /* Suva */ \
    Z("Kamchatka*", 5304, 15865)          /* Petropavlovsk-Kamchatsky */ \
    Z("Chatham Islands*", -4395, -17656)  /* Waitangi */ \
    Z("UTC+13", -281, -17168)             /* Kanton */ \
    Z("Tonga*", -2114, -17520)            /* Nuku'alofa */ \
    Z("Samoa*", -1383, -17176)            /* Apia */ \
    Z("Line Islands*", 187, -15743)       /* Kiritimati */

// The keys, one after the other, each ending in a NUL; and the places, in
// the same order.
#define DV_ZONE_KEY(key, latitude, longitude) key "\0"
#define DV_ZONE_PLACE(key, latitude, longitude) {latitude, longitude},
constexpr char kKeys[] = DV_ZONES(DV_ZONE_KEY);
constexpr std::int16_t kPlaces[][2] = {DV_ZONES(DV_ZONE_PLACE)};
#undef DV_ZONE_KEY
#undef DV_ZONE_PLACE
#undef DV_ZONES

constexpr std::size_t Count(std::string_view keys) {
    std::size_t n = 0;
    for (const char c : keys) n += c == '\0';
    return n;
}
static_assert(Count({kKeys, sizeof kKeys - 1}) == std::size(kPlaces));

// A key name against one of the table's.
bool SameKey(std::string_view key, std::string_view stored) {
    constexpr std::string_view kStandard = " Standard Time";
    for (const char c : stored) {
        const std::string_view part = c == '*' ? kStandard : std::string_view(&c, 1);
        if (!key.starts_with(part)) return false;
        key.remove_prefix(part.size());
    }
    return key.empty();
}

}  // namespace

std::optional<GeoPoint> PlaceOfZone(std::string_view key) {
    std::string_view keys(kKeys, sizeof kKeys - 1);
    for (const auto& place : kPlaces) {
        const std::size_t end = keys.find('\0');
        if (SameKey(key, keys.substr(0, end)))
            return GeoPoint{place[0] / 100.0, place[1] / 100.0};
        keys.remove_prefix(end + 1);
    }
    return std::nullopt;
}

}  // namespace dv
