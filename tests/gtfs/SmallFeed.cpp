#include "tests/gtfs/SmallFeed.h"

#include "tests/common/TestUtil.h"

#include <QDir>
#include <gtest/gtest.h>
#include <zip.h>

SmallFeed SmallFeed::sixStops() {
    SmallFeed f;
    // A byte-order mark, CR LF line ends and a quoted field, as real feeds have them.
    f.files["stops.txt"] = "\xEF\xBB\xBFstop_id,stop_name,stop_lat,stop_lon,zone_id\r\n"
                           "s1,駅前,34.1,133.1,Z1\r\n"
                           "s2,市役所,34.1,133.1,Z1\r\n"
                           "s3,\"中央公園\",34.1,133.1,Z2\r\n"
                           "s4,学校前,34.1,133.1,Z2\r\n"
                           "s5,病院,34.1,133.1,Z3\r\n"
                           "s6,森の家,34.1,133.1,Z4\r\n";
    f.files["routes.txt"] = "route_id,agency_id,route_short_name,route_long_name,route_type\n"
                            "R1,A,,中央線,3\n"
                            "R2,A,２系統,南線,3\n";
    f.files["trips.txt"] = "route_id,service_id,trip_id,trip_headsign\n"
                           "R1,平日,T1,森の家\n"
                           "R1,平日,T2,森の家\n"
                           "R2,平日,T3,\n";
    // T1's rows out of order: the running order comes from stop_sequence.
    f.files["stop_times.txt"] = "trip_id,arrival_time,departure_time,stop_id,stop_sequence,"
                                "stop_headsign\n"
                                "T1,08:20:00,08:20:00,s6,60,\n"
                                "T1,08:10:00,08:11:00,s4,40,\n"
                                "T1,08:00:00,08:00:00,s1,10,\n"
                                "T1,08:03:00,08:03:30,s2,20,\n"
                                "T1,,,s3,30,\n"
                                "T1,08:15:00,08:15:00,s5,50,\n"
                                "T2,09:00:00,09:00:00,s1,1,\n"
                                "T2,09:01:00,09:01:00,s2,2,\n"
                                "T2,09:02:00,09:02:00,s3,3,\n"
                                "T2,09:03:00,09:03:00,s4,4,\n"
                                "T2,09:04:00,09:04:00,s5,5,\n"
                                "T2,09:05:00,09:05:00,s6,6,\n"
                                "T3,10:00:00,10:00:00,s5,1,\"駅前, 市役所方面\"\n"
                                "T3,10:05:00,10:05:00,s6,2,\n";
    f.files["fare_attributes.txt"] = "fare_id,price,currency_type,payment_method,transfers\n"
                                     "f0,0,JPY,0,0\n"
                                     "f100,100,JPY,0,0\n"
                                     "f150,150,JPY,0,0\n"
                                     "f200,200,JPY,0,0\n"
                                     "f250,250,JPY,0,0\n"
                                     "f300,300,JPY,0,0\n";
    // Z1 to Z4 has no rule; R1 has its own fare from Z1 to Z3; R2's rule is not R1's.
    f.files["fare_rules.txt"] = "fare_id,route_id,origin_id,destination_id\n"
                                "f100,,Z1,Z1\n"
                                "f150,,Z1,Z2\n"
                                "f200,,Z1,Z3\n"
                                "f250,R1,Z1,Z3\n"
                                "f0,,Z2,Z2\n"
                                "f150,,Z2,Z3\n"
                                "f200,,Z2,Z4\n"
                                "f300,R2,Z3,Z4\n"
                                "f100,,Z3,Z4\n";
    f.files["translations.txt"] = "trans_id,lang,translation\n"
                                  "駅前,ja,駅前\n"
                                  "駅前,ja-Hrkt,えきまえ\n"
                                  "市役所,ja-Hrkt,ｼﾔｸｼｮ\n"
                                  "病院,ja-Hrkt,びょういん\n"
                                  "森の家,ja-Hrkt,モリノイエ\n";
    f.files["feed_info.txt"] = "feed_publisher_name,feed_publisher_url,feed_lang,feed_version\n"
                               "テスト交通,https://example.jp/,ja,v7\n";
    f.files["agency.txt"] = "agency_id,agency_name,agency_url,agency_timezone\n"
                            "A,テスト交通株式会社,https://example.jp/,Asia/Tokyo\n";
    return f;
}

void SmallFeed::writeFolder(const QString& dir) const {
    QDir().mkpath(dir);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestUtil::writeFile(dir + u'/' + it.key(), it.value());
}

QByteArray SmallFeed::zip(const QString& prefix) const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    zip_source_keep(out);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        zip_source_t* s =
            zip_source_buffer(archive, it.value().constData(), zip_uint64_t(it.value().size()), 0);
        zip_file_add(archive, (prefix + it.key()).toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
    }
    EXPECT_EQ(zip_close(archive), 0);
    QByteArray bytes;
    zip_stat_t st;
    if (zip_source_stat(out, &st) == 0 && zip_source_open(out) == 0) {
        bytes.resize(qsizetype(st.size));
        zip_source_read(out, bytes.data(), st.size);
        zip_source_close(out);
    }
    zip_source_free(out);
    zip_error_fini(&error);
    return bytes;
}
