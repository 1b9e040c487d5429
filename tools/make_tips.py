#!/usr/bin/env python3
"""Writes data/Tips.vkb, the tips of the day: one tip a line, "number;first text;second
text", Windows-1250 with CR LF. The texts live here, in UTF-8, so they are easy to edit."""
import os

TIPS = [
    ("Editor výrazů otevřete z hlavní nabídky klávesou F1.",
     "Výuku spustíte klávesou F2, Zkoušení výrazů I klávesou F3 a Zkoušení výrazů II klávesou F4."),
    ("Má-li výraz více významů, oddělte je znaménkem + bez mezer, například dog+hound.",
     "Při zkoušení pak program uzná kterýkoli z významů."),
    ("Středník ve výrazech nepoužívejte, odděluje pole v souboru slovníku.",
     "Napíšete-li ho do pole s významy, editor z něj udělá znaménko +."),
    ("Výslovnost se píše fonetickým písmem VokabFont.",
     "Klávesy 0 až 9, ! a @ v něm zobrazují fonetické znaky, napište třeba [k4t] pro slovo cat."),
    ("Které klávese patří který fonetický znak, ukáže v editoru tlačítko s otazníkem.",
     "Otevře okno Vysvětlivky, které můžete nechat otevřené vedle editoru po celou dobu psaní."),
    ("K výrazu můžete nahrát mluvenou výslovnost mikrofonem.",
     "Vyplňte cizí i český výraz a stiskněte malé tlačítko vedle pole Mluvená výslovnost."),
    ("Místo nahrávání lze použít hotový zvukový soubor WAV.",
     "V okně Práce se zvukem stiskněte Otevřít a soubor vyberte."),
    ("Při uložení slovníku se jeho zvuky přesunou do složky vedle slovníku.",
     "Složka se jmenuje stejně jako slovník, takže slovník i zvuky snadno zkopírujete jinam."),
    ("Výraz v seznamu opravíte dvojitým kliknutím na jeho řádek.",
     "V okně Upravit výraz změníte i výslovnost nebo připojený zvuk."),
    ("Výuka může posouvat výrazy sama po nastaveném počtu sekund.",
     "Délka přehrávaného zvuku se k intervalu automaticky přičte."),
    ("Při ruční výuce přejdete na další výraz klávesou d.",
     "Automatickou výuku můžete kdykoli pozastavit a pak v ní pokračovat."),
    ("Velikost písma ve výuce nastavíte v okně Nastavení výuky výrazů.",
     "Nastavení platí hned, tlačítko Potvrdit je navíc uloží i pro příští spuštění."),
    ("Ve Zkoušení výrazů I napíšete překlad a potvrdíte ho klávesou Enter.",
     "Pište pečlivě, program odpověď porovná s výrazem ve slovníku."),
    ("Ve Zkoušení výrazů II sami posoudíte, zda překlad znáte.",
     "Klávesou v odpovíte Vím, klávesou n odpovíte Nevím."),
    ("Směr zkoušení (z češtiny do cizího jazyka nebo naopak) zvolíte v nastavení zkoušeče.",
     "Během zkoušení směr ani pořadí výrazů změnit nelze."),
    ("Náhodné pořadí se ptá na každý výraz právě jednou.",
     "Postupné pořadí se ptá v pořadí, v jakém jsou výrazy ve slovníku."),
    ("Po špatné odpovědi může program ukázat správný překlad.",
     "Zapnete to volbou Zobrazovat v nastavení zkoušeče."),
    ("Vyhodnocení ukáže počet správných a špatných odpovědí, úspěšnost a známku.",
     "Hranice známek od 1 do 5 nastavíte v Obecném nastavení na kartě Nastavení hodnocení."),
    ("Neuhodnuté výrazy si můžete nechat znovu vyzkoušet.",
     "Zaškrtněte je ve vyhodnocení, zvolte Nechat se znova prozkoušet a stiskněte Vybrat."),
    ("Neuhodnuté výrazy lze uložit jako nový slovník nebo vytisknout.",
     "Při tisku zvolíte, zda řádek obsahuje český překlad, cizí výraz a výslovnost."),
    ("Výsledek každého zkoušení se zapíše do statistik.",
     "Kdy se má zapisovat, nastavíte v Obecném nastavení na kartě Statistiky a Grafy."),
    ("Statistiky ukazují tabulku všech zkoušení i sloupcový graf.",
     "V grafu zvolte slovník, období a veličinu, graf lze uložit jako obrázek BMP."),
    ("Barvu grafu statistik změníte v Obecném nastavení na kartě Statistiky a Grafy.",
     "Nová barva se projeví v grafu okamžitě."),
    ("Překladač výrazů (klávesa F6) překládá slova z angličtiny do češtiny i naopak.",
     "Hledá už během psaní podle prvních sedmi písmen, Enter najde přesně napsaný výraz."),
    ("Směr překladu v Překladači výrazů otočíte tlačítkem Převrátit vyhledávání.",
     "Nalezený překlad zkopírujete do schránky klávesou F2."),
    ("Ze dvou seznamů slov, českého a cizího, vytvoří slovník Převaděč slovníků.",
     "V editoru ho otevřete z nabídky Slovník položkou Převést nebo klávesou F9."),
    ("Vybrané výrazy z více slovníků spojí do jednoho Slučovač slovníků.",
     "V editoru ho otevřete z nabídky Slovník položkou Sloučit nebo klávesou F8."),
    ("Chcete-li psát vše velkými písmeny, zapněte to v Obecném nastavení.",
     "Velká písmena pak platí v editoru i při psaní odpovědí."),
    ("Nahrávky, které nebyly uloženy se slovníkem, leží ve složce Temp programu.",
     "Program ji může při ukončení vyprázdnit, volbu najdete v Obecném nastavení."),
    ("Novou verzi programu zjistíte v nabídce Program položkou Aktualizace nebo klávesou F5.",
     "Program ukáže novinky a nabídne stažení nové verze."),
    ("Program ukončíte z hlavní nabídky klávesou F10.",
     "Předtím si v editoru uložte rozpracovaný slovník."),
    ("Máte nápad nebo jste našli chybu?",
     "Napište autorovi z nabídky Info, Internet, Napsat autorovi."),
]


def main():
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    lines = []
    for number, (first, second) in enumerate(TIPS, start=1):
        assert ";" not in first + second
        lines.append(f"{number};{first};{second}")
    with open("data/Tips.vkb", "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp1250"))
    print(f"data/Tips.vkb: {len(lines)} tips")


if __name__ == "__main__":
    main()
