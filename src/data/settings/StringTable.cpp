#include "data/settings/StringTable.h"

#include <QHash>

namespace {

const QHash<int, QString>& Table()
{
    static const QHash<int, QString> table = {
        {59404, QStringLiteral("אושר")},
        {59416, QStringLiteral("מוזמנים שאינם משובצים")},
        {59444, QStringLiteral("כן")},
        {59445, QStringLiteral("לא")},
        {59452, QStringLiteral(" %d שולחנות ")},
        {59456, QStringLiteral("Kalinorit")},
        {59460, QStringLiteral("שולחן %d (%d)")},
        {59461, QStringLiteral("%d מתוך %d")},
        {59463, QStringLiteral("שמירת נתונים")},
        {59486, QStringLiteral("נושא")},
        {59487, QStringLiteral("תאריך")},
        {59488, QStringLiteral("למחוק פגישה זו?")},
        {59489, QStringLiteral("למחוק פגישה זו?")},
        {59490, QStringLiteral("פגישת תאום חדשה")},
        {59502, QStringLiteral("חסר תאריך")},
        {59503, QStringLiteral("אף יום אינו בחור! אנא בחר יום")},
        {59505, QStringLiteral("בחר רשומת גיבוי אותה יש לשחזר")},
        {59506, QStringLiteral("לא נבחרה רשומה")},
        {59507, QStringLiteral("המערכת עומדת להחליף את כל הנתונים הנוכחים בנתונים\r\nשנשמרו בתאריך  %s \r\nכל הנתונים הנוכחים ימחקו. האם להמשיך?")},
        {59508, QStringLiteral("האם לשחזר את הנתונים?")},
        {59509, QStringLiteral("חברים מהצבא - דוגמה")},
        {59557, QStringLiteral("לא ידוע")},
        {59560, QStringLiteral(" בשעה ")},
        {59576, QStringLiteral("חלקית")},
        {59604, QStringLiteral("רצוי מאוד למלא לפחות את השמות הפרטים של בני הזוג עכשיו.\r\nזה יאפשר ליצור קבוצות בצורה אוטומטית.\r\nהאם למלא עכשיו את השמות הפרטים?")},
        {59605, QStringLiteral("חסרים פרטים!")},
        {59606, QStringLiteral(" (כלה) ")},
        {59607, QStringLiteral(" (חתן) ")},
        {59608, QStringLiteral("קיטרינגים")},
        {59609, QStringLiteral("צלמים")},
        {59610, QStringLiteral("תקליטנים")},
        {59611, QStringLiteral("להקות")},
        {59656, QStringLiteral("אין גרסאות חדשות יותר")},
        {59657, QStringLiteral("אין חיבור לאינטרנט")},
        {59658, QStringLiteral("צריך להתחבר לאינטרנט על מנת לבדוק עידכונים")},
        {59669, QStringLiteral("נא למלא פרטים חסרים")},
        {59704, QStringLiteral("יצוא הנתונים הסתיים בהצלחה")},
        {59705, QStringLiteral("יצוא הנתונים הסתיים")},
        {59706, QStringLiteral("תקלה קרתה תוך כדי יצוא הנתונים\r\nאנא ודאו שניתן לכתוב אל הסיפריה המבוקשת")},
        {59707, QStringLiteral("לא באים")},
        {59710, QStringLiteral("קימת גרסה חדשה לתוכנה זו.\r\nהאם להוריד את הגרסה המעודכנת?\r\n\r\nשימו לב! צריך לסגור את התוכנה הישנה לפני התקנת \r\nהגרסה החדשה.")},
        {59711, QStringLiteral("גירסה חדשה")},
        {59727, QStringLiteral("<al_c><ct=0xFF0000><b>שמירה</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>שמירת כל נתוני הארוע הפעיל.<br>התוכנה שומרת גם בעצמה מדי כמה דקות וביציאה. (Ctrl+S)")},
        {59728, QStringLiteral("<al_c><ct=0xFF0000><b>הוספת אוביקט</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>הוספת פריט חדש במסך הפעיל:<br>מוזמן, קבוצה, שולחן, הוצאה או פגישה. (Ctrl+N)")},
        {59729, QStringLiteral("<al_c><ct=0xFF0000><b>עריכת האוביקט</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>עריכת הפריט המסומן במסך הפעיל. (Ctrl+E)")},
        {59730, QStringLiteral("<al_c><ct=0xFF0000><b>מחיקת האוביקט</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>מחיקת הפריט המסומן במסך הפעיל. (Ctrl+D)")},
        {59731, QStringLiteral("<al_c><ct=0xFF0000><b>חיפוש מוזמן או שולחן</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>חיפוש לפי שם במסך הפעיל. (Ctrl+F)")},
        {59778, QStringLiteral("<al_c><ct=0xFF0000><b>הוספת ארוע</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>פתיחת ארוע חדש, ריק או על בסיס רשימת המוזמנים של ארוע קודם.")},
        {59781, QStringLiteral("פגישה עם %s בכתובת %s\n%s")},
        {59782, QStringLiteral("הוספת תזכורת הסתימה")},
        {59783, QStringLiteral("הוספת תזכורת ל - Outlook הסתימה בהצלחה")},
        {59784, QStringLiteral("הוספת פגישה נכשלה")},
        {59785, QStringLiteral("הוספת פגישה ל Outlook נכשלה ")},
        {59786, QStringLiteral("קבצי הנתונים של התוכנה \"Kalinoret\"")},
        {59787, QStringLiteral("קבצי הנתונים של התוכנה \"Kalinoret\"\r\nיש להעתיק את הקבצים המצורפים לסיפריה אחת, ואז לבחור בתוכנה \"יבוא נתונים\" ולבחור בסיפריה זו.\r\nhttps://ravivaz.example.com")},
        {59788, QStringLiteral("יצירת הודעת דואר הצליחה")},
        {59789, QStringLiteral("יצירת הודעת הדואר הצליחה\r\nזיכרו למלא את שם הנמען בכדי שתוכלו לשלוח את ההודעה")},
        {59790, QStringLiteral("יצירת הודעת דואר נכשלה")},
        {59791, QStringLiteral("יצירת הודעת דואר נכשלה")},
        {59792, QStringLiteral("ישנם שינוים בילתי שמורים.\r\nהאם לשמור לפני ביצוע יצוא הנתונים?")},
        {59793, QStringLiteral("לשמור לפני היצוא?")},
        {59801, QStringLiteral("ברוכים הבאים")},
        {59802, QStringLiteral("שולחן")},
        {59803, QStringLiteral("לכבוד")},
        {59805, QStringLiteral("שם מוזמן לא הוקלד")},
        {59808, QStringLiteral("משימות")},
        {59820, QStringLiteral("חסרים פרטים המונעים התקשרות לשרת\r\nהפעולה לא בוצעה")},
        {59821, QStringLiteral("פרטי ההתקשרות לשרת חסרים")},
        {59822, QStringLiteral("הנתונים התקבלו מהשרת בהצלחה\r\nהאם להחליף את הנתונים הקימים במחשב זה בנתונים\r\n שהגיעו מהשרת?")},
        {59823, QStringLiteral("החלפת הנתונים הקימים")},
        {59824, QStringLiteral("ההתחברות לשרת ה - FTP נכשלה")},
        {59825, QStringLiteral("ההתחברות לשרת נכשלה")},
        {59828, QStringLiteral("הנתונים בשרת ישנים יותר או זהים לנתונים \r\nהמאוכסנים במחשב זה. האם להוריד את הנתונים בכל זאת?")},
        {59829, QStringLiteral("נתונים זהים או ישנים יותר")},
        {59830, QStringLiteral("הנתונים הקימים בשרת(גרסה %d) הינם חדשים\r\nיותר מן הנתונים במחשב זה(גרסה %d)\r\nהאם להמשיך ולהחליף את הנתונים שבשרת?")},
        {59831, QStringLiteral("גרסת הנתונים בשרת עדכנית יותר")},
        {59834, QStringLiteral("השינוי יתבצע אחרי פתיחה מחדש")},
        {59835, QStringLiteral("השינוי יתבצע אחרי פתיחה מחדש של התוכנה\r\nמצב זמן אמת מיועד ליום הארוע בלבד\r\nלפרטים נוספים גילשו לאתר האינטרנט.")},
        {59836, QStringLiteral("החתונה של %s ו%s")},
        {59837, QStringLiteral("Kalinoret")},
        {59838, QStringLiteral("שם הארוע לא הוקלד. אנא תנו שם לארוע.")},
        {59839, QStringLiteral("ארוע")},
        {59842, QStringLiteral("התוכנה נמצאת במצב זמן אמת.\r\nמצב זה מתאים רק ליום החתונה, במחשב נייד שמביאים לאולם.\r\nלחצו על כן כדי להמשיך במצב זמן אמת, או על לא כדי לחזור למצב הרגיל.")},
        {59851, QStringLiteral("<al_c><ct=0xFF0000><b>יבוא מוזמנים ונתונים</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>יבוא רשימת מוזמנים מקובץ אקסל, או יבוא נתוני ארוע שנשמרו בסיפריה.")},
        {59852, QStringLiteral("<al_c><ct=0xFF0000><b>יצוא נתונים</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>העתקת כל קבצי הארוע לסיפריה לבחירתכם, לגיבוי או להעברה למחשב אחר.")},
        {59853, QStringLiteral("<al_c><ct=0xFF0000><b>החלפת הארוע הפעיל</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>מעבר לארוע אחר מבין הארועים השמורים בתוכנה.")},
        {59877, QStringLiteral("הודעת ה-SMS תשלח ל-%d מוזמנים וחשבונכם יחוייב בהתאם.\r\nהאם לשלוח את הודעות ה-SMS ?")},
        {59878, QStringLiteral("אישור לשליחת הודעות SMS")},
        {59879, QStringLiteral("הטלפון הנייד של המוזמן '%s' אינו תקין")},
        {59880, QStringLiteral("טלפון אינו תקין")},
        {59881, QStringLiteral("ההודעה העברית ארוכה מידי")},
        {59882, QStringLiteral("ההודעה ארוכה מידי")},
        {59883, QStringLiteral("ההודעה האנגלית ארוכה מידי")},
        {59884, QStringLiteral("ההודעה ארוכה מידי")},
        {59885, QStringLiteral("יש למלא את ההודעה שברצונכם לשלוח")},
        {59886, QStringLiteral("ההודעה ריקה")},
        {59887, QStringLiteral("לחיצה על כפתור זה תעביר מספרים סלולרים מעמודת הטלפון\r\nלעמודת הטלפון הנייד בכדי שיתאפשר לשלוח להם SMS.\r\nהאם להמשיך?")},
        {59888, QStringLiteral("החלפת טלפון בנייד")},
        {59889, QStringLiteral("ההודעות נשלחו בהצלחה")},
        {59890, QStringLiteral("ההודעות נשלחו")},
        {59893, QStringLiteral("<al_c><ct=0xFF0000><b>שליחת הודעות \"סמס\" מתוך התוכנה</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>שליחת הודעת SMS למוזמנים שתבחרו, למשל תזכורת או בקשה לאישור הגעה.")},
        {59900, QStringLiteral("<al_c><ct=0xFF0000><b>סידור שולחנות אוטומטי</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>יצירת שולחנות לכל המוזמנים שאינם משובצים, קבוצה אחר קבוצה.")},
        {59895, QStringLiteral("לא נימצאו מוזמנים")},
        {59896, QStringLiteral("לא נימצאו מוזמנים העונים לקריטריון")},
    };
    return table;
}

}

namespace StringTable {

QString Get(int id)
{
    return Table().value(id);
}

bool Has(int id)
{
    return Table().contains(id);
}

}

QString StringTable::Fill(const QString& format, const QStringList& args)
{
    QString result;
    result.reserve(format.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const QChar kind = format[i + 1];
        if (kind == u'%') {
            result += u'%';
            ++i;
        } else if (kind == u's' || kind == u'd') {
            if (next < args.size())
                result += args[next];
            ++next;
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
