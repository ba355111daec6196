#include "timetable/NameDays.h"

// Index order of a leap year: 0 is 1 January, 59 is 29 February, 365 is 31 December.
const std::array<std::string_view, CImieninyBase::kDays> kNameDayTexts = {
    // January
    "Mieszka Mieczysława Marii",         // 1
    "Izydora Bazylego Grzegorza",        // 2
    "Arlety Genowefy Danuty",            // 3
    "Tytusa Anieli Eugeniusza",          // 4
    "Hanny Szymona Edwarda",             // 5
    "Kacpra Melchiora Baltazara",        // 6
    "Juliana Lucjana Rajmunda",          // 7
    "Seweryna Mścisława Juliusza",       // 8
    "Marceliny Marianny Juliana",        // 9
    "Wilhelma Dobrosława Danuty",        // 10
    "Honoraty Teodozjusza Matyldy",      // 11
    "Grety Arkadiusza Rajmunda",         // 12
    "Bogumiły Weroniki Hilarego",        // 13
    "Feliksa Domosława Niny",            // 14
    "Pawła Arnolda Izydora",             // 15
    "Marcelego Włodzimierza Waldemara",  // 16
    "Antoniego Rościsława Jana",         // 17
    "Piotra Małgorzaty",                 // 18
    "Henryka Mariusza Marty",            // 19
    "Fabiana Sebastiana",                // 20
    "Agnieszki Jarosława",               // 21
    "Anastazego Wincentego",             // 22
    "Ildefonsa Rajmunda",                // 23
    "Felicji Franciszka Rafała",         // 24
    "Pawła Miłosza Elwiry",              // 25
    "Tymoteusza Michała Tytusa",         // 26
    "Przybysława Anieli Jerzego",        // 27
    "Walerego Radomira Tomasza",         // 28
    "Zdzisława Franciszka Józefa",       // 29
    "Macieja Martyny Teofila",           // 30
    "Marceli Ludwiki Jana",              // 31

    // February
    "Brygidy Ignacego Seweryna",    // 1
    "Marii Miłosława",              // 2
    "Błażeja Oskara",               // 3
    "Andrzeja Weroniki Joanny",     // 4
    "Agaty Adelajdy Izydora",       // 5
    "Doroty Bogdana Pawła",         // 6
    "Ryszarda Teodora Romana",      // 7
    "Hieronima Sebastiana Ireny",   // 8
    "Apolonii Eryki Cyryla",        // 9
    "Elwiry Jacka Scholastyki",     // 10
    "Lucjana Olgierda Grzegorza",   // 11
    "Eulalii Radosława Modesta",    // 12
    "Grzegorza Katarzyny",          // 13
    "Cyryla Metodego Walentego",    // 14
    "Jowity Faustyna Zygfryda",     // 15
    "Danuty Julianny Daniela",      // 16
    "Aleksego Zbigniewa Łukasza",   // 17
    "Szymona Konstancji Flawiana",  // 18
    "Arnolda Konrada Marcelego",    // 19
    "Leona Ludomira Zenobiusza",    // 20
    "Eleonory Fortunata Roberta",   // 21
    "Marty Małgorzaty Piotra",      // 22
    "Romany Damiana Polikarpa",     // 23
    "Macieja Bogusza Sergiusza",    // 24
    "Wiktora Cezarego",             // 25
    "Mirosława Aleksandra",         // 26
    "Gabriela Anastazji",           // 27
    "Romana Ludomira Lecha",        // 28
    "Lecha Lutosława",              // 29

    // March
    "Antoniny Radosława Dawida",        // 1
    "Heleny Halszki Pawła",             // 2
    "Maryny Kunegundy Tycjana",         // 3
    "Łucji Kazimierza Eugeniusza",      // 4
    "Adriana Fryderyka Teofila",        // 5
    "Róży Jordana Agnieszki",           // 6
    "Tomasza Perpetui Felicyty",        // 7
    "Beaty Wincentego Jana",            // 8
    "Franciszki Brunona",               // 9
    "Cypriana Marcela Aleksandra",      // 10
    "Ludosława Konstantyna Benedykta",  // 11
    "Grzegorza Justyna Alojzego",       // 12
    "Bożeny Krystyny",                  // 13
    "Leona Matyldy Łazarza",            // 14
    "Longina Klemensa Ludwiki",         // 15
    "Izabeli Oktawii Hilarego",         // 16
    "Patryka Zbigniewa Gertrudy",       // 17
    "Cyryla Edwarda Boguchwały",        // 18
    "Józefa Bogdana",                   // 19
    "Klaudii Eufemii Maurycego",        // 20
    "Lubomira Benedykta",               // 21
    "Katarzyny Bogusława",              // 22
    "Pelagii Oktawiana Feliksa",        // 23
    "Marka Gabriela Katarzyny",         // 24
    "Marioli Wieńczysława Ireneusza",   // 25
    "Larysy Emanuela Teodora",          // 26
    "Lidii Ernesta",                    // 27
    "Anieli Sykstusa Jana",             // 28
    "Wiktoryna Helmuta Eustachego",     // 29
    "Anieli Kwiryna Leonarda",          // 30
    "Beniamina Dobromierza Leonarda",   // 31

    // April
    "Teodory Grażyny Ireny",             // 1
    "Władysława Franciszka Teodozji",    // 2
    "Ryszarda Pankracego Ingi",          // 3
    "Izydora Wacława",                   // 4
    "Ireny Wincentego",                  // 5
    "Izoldy Celestyna Wilhelma",         // 6
    "Rufina Celestyna Jana",             // 7
    "Cezaryny Dionizego Julii",          // 8
    "Marii Dymitra Heliodora",           // 9
    "Michała Makarego",                  // 10
    "Filipa Leona",                      // 11
    "Juliusza Lubosława Zenona",         // 12
    "Przemysława Hermenegildy Marcina",  // 13
    "Bereniki Waleriana Justyny",        // 14
    "Ludwiny Wacławy Anastazji",         // 15
    "Kseni Cecylii Bernadety",           // 16
    "Rudolfa Roberta",                   // 17
    "Bogusławy Apoloniusza",             // 18
    "Adolfa Tymona Leona",               // 19
    "Czesława Agnieszki Mariana",        // 20
    "Anzelma Bartosza Feliksa",          // 21
    "Kai Leonii Sotera",                 // 22
    "Jerzego Wojciecha",                 // 23
    "Horacego Feliksa Grzegorza",        // 24
    "Marka Jarosława",                   // 25
    "Marzeny Klaudiusza Marii",          // 26
    "Zyty Teofila Felicji",              // 27
    "Piotra Walerii Witalisa",           // 28
    "Rity Katarzyny Bogusława",          // 29
    "Mariana Donaty Tamary",             // 30

    // May
    "Józefa Jeremiasza Filipa",        // 1
    "Zygmunta Atanazego Anatola",      // 2
    "Marii Antoniny",                  // 3
    "Moniki Floriana Władysława",      // 4
    "Ireny Waldemara",                 // 5
    "Judyty Jakuba Filipa",            // 6
    "Gizeli Ludmiły Benedykta",        // 7
    "Stanisława Lizy Wiktora",         // 8
    "Bożydara Grzegorza Karoliny",     // 9
    "Izydora Antoniny Symeona",        // 10
    "Igi Miry Władysławy",             // 11
    "Pankracego Dominika Achillesa",   // 12
    "Serwacego Roberta Glorii",        // 13
    "Bonifacego Dobiesława Macieja",   // 14
    "Zofii Nadziei Izydora",           // 15
    "Andrzeja Jędrzeja Szymona",       // 16
    "Paschalisa Sławomira Weroniki",   // 17
    "Eryka Feliksa Jana",              // 18
    "Iwa Piotra Celestyna",            // 19
    "Bazylego Bernardyna Aleksandra",  // 20
    "Wiktora Kryspina Tymoteusza",     // 21
    "Heleny Wiesławy Ryty",            // 22
    "Iwony Dezyderego Kryspina",       // 23
    "Joanny Zuzanny",                  // 24
    "Grzegorza Urbana Magdaleny",      // 25
    "Filipa Pauliny",                  // 26
    "Augustyna Juliana Magdaleny",     // 27
    "Jaromira Justa Justyny",          // 28
    "Magdaleny Bogumiły Urszuli",      // 29
    "Ferdynanda Karola Jana",          // 30
    "Anieli Petroneli",                // 31

    // June
    "Justyna Anieli Konrada",        // 1
    "Marianny Marcelina Piotra",     // 2
    "Leszka Tamary Karola",          // 3
    "Kwiryny Franciszka",            // 4
    "Waltera Bonifacego Walerii",    // 5
    "Norberta Laurentego Bogumiła",  // 6
    "Roberta Wiesława",              // 7
    "Medarda Maksyma Seweryna",      // 8
    "Pelagii Dominika Efrema",       // 9
    "Bogumiła Małgorzaty Diany",     // 10
    "Barnaby Radomiła Feliksa",      // 11
    "Janiny Onufrego Leona",         // 12
    "Lucjana Antoniego",             // 13
    "Bazylego Elwiry Michała",       // 14
    "Wita Jolanty",                  // 15
    "Aliny Benona Anety",            // 16
    "Laury Marcjana Alberta",        // 17
    "Marka Elżbiety",                // 18
    "Gerwazego Protazego",           // 19
    "Diny Bogny Florentyny",         // 20
    "Alicji Alojzego",               // 21
    "Pauliny Tomasza Jana",          // 22
    "Wandy Zenona",                  // 23
    "Jana Danuty",                   // 24
    "Łucji Wilhelma Doroty",         // 25
    "Jana Pawła",                    // 26
    "Maryli Władysława Cyryla",      // 27
    "Leona Ireneusza",               // 28
    "Piotra Pawła",                  // 29
    "Emilii Lucyny",                 // 30

    // July
    "Haliny Mariana Marcina",         // 1
    "Jagody Urbana Marii",            // 2
    "Jacka Anatola Tomasza",          // 3
    "Odona Malwiny Elżbiety",         // 4
    "Marii Antoniego",                // 5
    "Gotarda Dominiki Łucji",         // 6
    "Cyryla Estery Metodego",         // 7
    "Edgara Elżbiety Eugeniusza",     // 8
    "Lukrecji Weroniki Zenona",       // 9
    "Sylwany Witalisa Antoniego",     // 10
    "Olgi Kaliny Benedykta",          // 11
    "Jana Brunona Bonifacego",        // 12
    "Henryka Kingi Andrzeja",         // 13
    "Ulryka Bonawentury Kamila",      // 14
    "Henryka Włodzimierza Dawida",    // 15
    "Mariki Benity Eustachego",       // 16
    "Anety Bogdana Jadwigi",          // 17
    "Erwina Kamila Szymona",          // 18
    "Wincentego Wodzisława Marcina",  // 19
    "Czesława Hieronima Małgorzaty",  // 20
    "Daniela Dalidy Wawrzyńca",       // 21
    "Marii Magdaleny",                // 22
    "Sławosza Bogny Brygidy",         // 23
    "Kingi Krystyny",                 // 24
    "Walentyny Krzysztofa Jakuba",    // 25
    "Anny Mirosławy Grażyny",         // 26
    "Lilii Julii Natalii",            // 27
    "Aidy Marceli Wiktora",           // 28
    "Olafa Marty Ludmiły",            // 29
    "Julity Piotra Aldony",           // 30
    "Ignacego Lubomira Heleny",       // 31

    // August
    "Nadii Justyna Juliana",            // 1
    "Kariny Gustawa Euzebiusza",        // 2
    "Lidii Augusta Nikodema",           // 3
    "Dominika Protazego Jana",          // 4
    "Oswalda Marii Mariana",            // 5
    "Sławy Jakuba Oktawiana",           // 6
    "Kajetana Doroty Sykstusa",         // 7
    "Cypriana Emiliana Dominika",       // 8
    "Romana Ryszarda Edyty",            // 9
    "Borysa Filomeny Wawrzyńca",        // 10
    "Klary Zuzanny Lecha",              // 11
    "Innocentego Lecha Euzebii",        // 12
    "Diany Hipolita Poncjana",          // 13
    "Alfreda Euzebiusza Maksymiliana",  // 14
    "Marii Napoleona",                  // 15
    "Rocha Stefana Joachima",           // 16
    "Żanny Mirona Jacka",               // 17
    "Ilony Bronisława Heleny",          // 18
    "Bolesława Juliana",                // 19
    "Bernarda Samuela Sobiesława",      // 20
    "Joanny Kazimiery Piusa",           // 21
    "Cezarego Tymoteusza",              // 22
    "Apolinarego Filipa",               // 23
    "Jerzego Bartosza Haliny",          // 24
    "Luizy Ludwika Józefa",             // 25
    "Marii Aleksandra",                 // 26
    "Józefa Moniki",                    // 27
    "Patrycji Wyszomira Augustyna",     // 28
    "Jana Sabiny Racibora",             // 29
    "Róży Szczęsnego Feliksa",          // 30
    "Ramony Rajmunda Bogdana",          // 31

    // September
    "Idziego Bronisława",            // 1
    "Stefana Wilhelma Juliana",      // 2
    "Izabeli Szymona Grzegorza",     // 3
    "Rozalii Róży",                  // 4
    "Doroty Wawrzyńca Teodora",      // 5
    "Beaty Eugeniusza",              // 6
    "Reginy Melchiora Domosławy",    // 7
    "Marii Adrianny Serafiny",       // 8
    "Ścibora Sergiusza Piotra",      // 9
    "Łukasza Aldony Mścisława",      // 10
    "Jacka Prota Dagny Hiacynta",    // 11
    "Gwidona Radzimira Marii",       // 12
    "Eugenii Aureliusza Jana",       // 13
    "Roksany Bernarda Cypriana",     // 14
    "Albina Nikodema Marii",         // 15
    "Edyty Korneliusza Cypriana",    // 16
    "Franciszka Roberta Justyna",    // 17
    "Irmy Stanisława Ireny",         // 18
    "Januarego Konstancji Teodora",  // 19
    "Filipiny Eustachego Euzebii",   // 20
    "Jonasza Mateusza Hipolita",     // 21
    "Tomasza Maurycego Joachima",    // 22
    "Tekli Bogusława Linusa",        // 23
    "Gerarda Ruperta Tomiry",        // 24
    "Aurelii Władysława Kleofasa",   // 25
    "Wawrzyńca Kosmy Damiana",       // 26
    "Wincentego Mirabeli Justyny",   // 27
    "Wacława Tymona Marka",          // 28
    "Michała Gabriela Rafała",       // 29
    "Wery Honoriusza Hieronima",     // 30

    // October
    "Danuty Remigiusza Teresy",        // 1
    "Teofila Dionizego Sławomira",     // 2
    "Teresy Heliodora Jana",           // 3
    "Rozalii Edwina Franciszka",       // 4
    "Placyda Apolinarego",             // 5
    "Artura Brunona",                  // 6
    "Marii Marka Mirelli",             // 7
    "Pelagii Brygidy Walerii",         // 8
    "Arnolda Dionizego Wincentego",    // 9
    "Pauliny Danieli Leona",           // 10
    "Aldony Aleksandra Dobromiry",     // 11
    "Eustachego Maksymiliana Edwina",  // 12
    "Geralda Edwarda Honorata",        // 13
    "Liwii Kaliksta Bernarda",         // 14
    "Jadwigi Teresy Florentyny",       // 15
    "Gawła Ambrożego",                 // 16
    "Wiktora Marity Ignacego",         // 17
    "Juliana Łukasza",                 // 18
    "Ziemowita Jana Pawła",            // 19
    "Ireny Kleopatry Jana",            // 20
    "Urszuli Hilarego Jakuba",         // 21
    "Halki Filipa Salomei",            // 22
    "Marleny Seweryna Igi",            // 23
    "Rafała Marcina Antoniego",        // 24
    "Darii Wilhelminy Bonifacego",     // 25
    "Lucjana Ewarysta Damiana",        // 26
    "Iwony Sabiny",                    // 27
    "Szymona Tadeusza",                // 28
    "Euzebii Wioletty Felicjana",      // 29
    "Zenobii Przemysława Edmunda",     // 30
    "Urbana Saturnina Krzysztofa",     // 31

    // November
    "Konrada Wiktoryny",              // 1
    "Bohdany Bożydara",               // 2
    "Sylwii Marcina Huberta",         // 3
    "Karola Olgierda",                // 4
    "Elżbiety Sławomira Dominika",    // 5
    "Feliksa Leonarda Ziemowita",     // 6
    "Antoniego Żytomira Ernesta",     // 7
    "Seweryna Bogdana Klaudiusza",    // 8
    "Aleksandra Ludwika Teodora",     // 9
    "Leny Ludomira Leona",            // 10
    "Marcina Bartłomieja Teodora",    // 11
    "Renaty Witolda Jozafata",        // 12
    "Mateusza Izaaka Stanisława",     // 13
    "Rogera Serafina Wawrzyńca",      // 14
    "Alberta Leopolda",               // 15
    "Gertrudy Edmunda Marii",         // 16
    "Salomei Grzegorza Elżbiety",     // 17
    "Romana Klaudyny Karoliny",       // 18
    "Seweryny Maksyma Salomei",       // 19
    "Anatola Sędzimira Rafała",       // 20
    "Janusza Marii",                  // 21
    "Cecylii Wszemiły Stefana",       // 22
    "Adelii Klemensa Felicyty",       // 23
    "Flory Emmy Chryzogona",          // 24
    "Erazma Katarzyny",               // 25
    "Delfiny Sylwestra Konrada",      // 26
    "Waleriana Wirgiliusza Maksyma",  // 27
    "Lesława Zdzisława Stefana",      // 28
    "Błażeja Saturnina",              // 29
    "Andrzeja Maury Konstantego",     // 30

    // December
    "Natalii Eligiusza Edmunda",     // 1
    "Balbiny Bibianny Pauliny",      // 2
    "Franciszka Ksawerego Kasjana",  // 3
    "Barbary Krystiana Jana",        // 4
    "Sabiny Krystyny Edyty",         // 5
    "Mikołaja Jaremy Emiliana",      // 6
    "Marcina Ambrożego Teodora",     // 7
    "Marii Światozara Makarego",     // 8
    "Wiesława Leokadii Joanny",      // 9
    "Julii Danieli Bogdana",         // 10
    "Damazego Waldemara Daniela",    // 11
    "Dagmary Aleksandra Ady",        // 12
    "Łucji Otylii",                  // 13
    "Alfreda Izydora Jana",          // 14
    "Niny Celiny Waleriana",         // 15
    "Albiny Zdzisławy Alicji",       // 16
    "Olimpii Łazarza Floriana",      // 17
    "Gracjana Bogusława Laurencji",  // 18
    "Gabrieli Dariusza Eleonory",    // 19
    "Bogumiły Dominika",             // 20
    "Tomisława Seweryna Piotra",     // 21
    "Zenona Honoraty Franciszki",    // 22
    "Wiktorii Sławomiry Jana",       // 23
    "Adama Ewy Eweliny",             // 24
    "Anastazji Eugenii",             // 25
    "Dionizego Szczepana",           // 26
    "Jana Żanety Maksyma",           // 27
    "Teofilii Godzisława Cezarego",  // 28
    "Dawida Tomasza Dominika",       // 29
    "Rainera Eugeniusza Irmy",       // 30
    "Sylwestra Melanii Mariusza",    // 31
};
