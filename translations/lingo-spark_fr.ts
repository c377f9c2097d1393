<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>À propos de Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Version 1.6</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddWord</name>
    <message>
        <source>Add A Word To This List</source>
        <translation>Ajouter un mot à la liste</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot&#xa0;:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caractères spéciaux...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Choisis une liste pour voir ses mots dans leurs boîtes.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Mots par boîte</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Boîte %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Boîte %1&#xa0;: %n mot</numerusform>
            <numerusform>Boîte %1&#xa0;: %n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>boîte %1&#xa0;: %n mot</numerusform>
            <numerusform>boîte %1&#xa0;: %n mots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Renommer la liste</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nom de la liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Changer le mot de passe enseignant</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Ancien mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Confirmez le nouveau&#xa0;:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>Mot de passe changé&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The password was not changed.</source>
        <translation>%1

Le mot de passe n&apos;a pas été changé.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>Le nouveau mot de passe contient un caractère qui ne peut pas être enregistré. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>Hé&#xa0;!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>Tu dois choisir une liste&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message>
        <source>Pupil</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Élèves qui l&apos;ont raté</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Progrès de la classe</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Choisissez une liste pour voir les résultats de la classe.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Élèves qui l&apos;ont travaillée&#xa0;:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Élèves qui ont travaillé la liste</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Paires les plus ratées&#xa0;:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Paires les plus ratées par la classe</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>les listes de mots n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Ignorés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Aucun élève n&apos;a encore travaillé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>Les progrès de la classe sur «&#xa0;%1&#xa0;» ont été enregistrés dans %2.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Progrès de la classe&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>Les progrès de %n élève ont été lus.</numerusform>
            <numerusform>Les progrès de %n élèves ont été lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n élève a travaillé «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>%n élèves ont travaillé «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>aucun compte de ce nom sur cet ordinateur</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>ne peut pas être examiné</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>appartient à %1, pas à %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>le dossier des progrès de la classe %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>ce compte ne peut pas lister le dossier des progrès de la classe %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>pas un fichier de progrès lisible par cette version</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Afficher le programme dans la langue &lt;code&gt; : %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Langue du programme, la première de :
  1. --language &lt;code&gt;
  2. une ligne Language=&lt;code&gt; dans lingo-spark/lingo-spark.conf, cherchée comme ci-dessus
  3. les langues de l&apos;utilisateur (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. l&apos;anglais
Langues : %1. Une langue que le programme n&apos;a pas est sautée.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language attend un code de langue, par exemple &quot;fr&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation>%1 : %2
Essayez &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Utiliser les listes de mots et les réglages du dossier &lt;folder&gt;.</translation>
    </message>
    <message>
        <source>Data folder (the word lists thelists.dat and the settings lsdata.dat), the first of:
  1. --data &lt;folder&gt;
  2. the environment variable LINGO_SPARK_DATA
  3. a line DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, looked for in
     %1 (the user&apos;s settings first, then the computer&apos;s)
  4. %2, created and given the shipped lists the first time
A folder named by 1 to 3 must already hold both files: it is never created or filled,
and the program ends with a message naming the folder and the missing file.
</source>
        <translation>Dossier de données (les listes de mots thelists.dat et les réglages lsdata.dat), le premier de :
  1. --data &lt;folder&gt;
  2. la variable d&apos;environnement LINGO_SPARK_DATA
  3. une ligne DataFolder=&lt;folder&gt; dans lingo-spark/lingo-spark.conf, cherchée dans
     %1 (les réglages de l&apos;utilisateur d&apos;abord, puis ceux de l&apos;ordinateur)
  4. %2, créé et rempli avec les listes fournies la première fois
Un dossier donné par 1 à 3 doit déjà contenir les deux fichiers : il n&apos;est jamais créé ni rempli,
et le programme s&apos;arrête avec un message indiquant le dossier et le fichier manquant.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, puis </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Commandes (sans affichage ; &quot;%1 &lt;command&gt; --help&quot; pour l&apos;aide d&apos;une commande) :
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>usage : %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data attend un dossier</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark : cartes, quiz et jeux de vocabulaire pour l&apos;école.
Sans commande, le programme ouvre le menu principal.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Une des commandes ci-dessous.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1 : aucun écran où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) ; lancez le programme depuis une session de bureau.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Mes mots</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Retour au choix du jeu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>À propos du programme</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Jeu des paires</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Consigne&#xa0;: clique sur une carte pour la retourner. Associe chaque mot à son sens.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Essais&#xa0;: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sphinx</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Il faut au moins 8 mots dans une liste pour jouer au jeu des paires&#xa0;!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Essais&#xa0;: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Essaie encore...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>Une paire&#xa0;!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Tu as gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation>Créer une liste de mots</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Tapez le nom de votre nouvelle liste</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Nom de la nouvelle liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(défini par %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>Lingo-Spark ne peut pas démarrer&#xa0;: le dossier de données
%1
%2n&apos;existe pas.

S&apos;il se trouve sur un lecteur partagé, vérifiez que le lecteur est connecté.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>Lingo-Spark ne peut pas démarrer&#xa0;: le dossier de données
%1
%2ne peut pas être lu depuis ce compte.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>Lingo-Spark ne peut pas démarrer&#xa0;: le fichier «&#xa0;%1&#xa0;» manque ou ne peut pas être lu dans le dossier de données
%2
%3
Si le dossier se trouve sur un lecteur partagé, vérifiez que le lecteur est connecté&#xa0;; sinon, copiez de nouveau le fichier dans ce dossier.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>Lingo-Spark ne peut pas démarrer&#xa0;: impossible de créer son dossier de données
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>Lingo-Spark ne peut pas démarrer&#xa0;: impossible de copier «&#xa0;%1&#xa0;» depuis
%2
dans son dossier de données
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>Les listes de mots et les réglages du dossier %1 ne peuvent pas être modifiés depuis ce compte.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Un autre ordinateur est en train d&apos;enregistrer %1.

Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: le dossier %2 ne permet pas de verrouiller les fichiers, et les enregistrements de plusieurs ordinateurs pourraient s&apos;écraser.

Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: le dossier %2 est inaccessible.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>Impossible de lire %1.

Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Supprimer le mot</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>Voulez-vous vraiment supprimer le mot «&#xa0;%1&#xa0;» de cette liste&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Cette liste a déjà été supprimée sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Cette liste a été modifiée sur un autre ordinateur. La supprimer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Supprimer une liste</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Pour supprimer une liste&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Choisissez la liste ci-dessous et cliquez sur «&#xa0;Supprimer&#xa0;».</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>Voulez-vous vraiment supprimer définitivement cette liste&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>La liste a été supprimée, mais ses langues n&apos;ont pas pu être retirées.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

La liste n&apos;a pas été supprimée.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Voir/modifier une liste</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Choisissez une liste à voir ou modifier</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Voir/modifier la liste</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Renommer la liste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Retour à la gestion</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Nombre de mots dans la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Veuillez changer le nom de la liste avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Veuillez modifier le mot sélectionné avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

La liste n&apos;a pas été enregistrée et le fichier des listes de mots n&apos;a pas changé. Vos modifications sont toujours là.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>Les modifications de la liste «&#xa0;%1&#xa0;» n&apos;ont pas été enregistrées. Les enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>Les modifications de la liste «&#xa0;%1&#xa0;» n&apos;ont pas été enregistrées. Les enregistrer avant de partir&#xa0;?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Cette liste a été modifiée sur un autre ordinateur depuis que vous l&apos;avez ouverte.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>Le nom d&apos;une liste doit tenir sur une ligne. Veuillez retirer le saut de ligne.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Un mot ou un sens doit tenir sur une ligne. Veuillez retirer le saut de ligne.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>«&#xa0;&lt;New List&gt;&#xa0;» marque le début d&apos;une liste dans le fichier des listes de mots&#xa0;: il ne peut donc pas servir de nom de liste, de mot ou de sens.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Veuillez taper un nom pour la liste.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>«&#xa0;No Lists&#xa0;» marque un fichier de listes de mots vide&#xa0;: ce ne peut donc pas être le nom d&apos;une liste.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>Le nom d&apos;une liste ne peut pas contenir de tabulation ni d&apos;autre caractère de contrôle. Veuillez le retirer.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Un mot ou un sens ne peut pas contenir de tabulation ni d&apos;autre caractère de contrôle. Veuillez le retirer.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Il existe déjà une liste nommée «&#xa0;%1&#xa0;». Veuillez choisir un autre nom&#xa0;: deux listes du même nom ne pourraient pas être travaillées toutes les deux.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Une liste peut contenir au plus %1 mots, et cette liste est pleine.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot&#xa0;:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Erreur&#xa0;:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>Les mots de cette liste sont tous trop longs pour ce jeu. Essaie une autre liste ou une autre activité.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ExchangeDialogs</name>
    <message>
        <source>The list &quot;%1&quot; could not be read from the word list file.</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas pu être lue dans le fichier des listes de mots.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 n&apos;est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 dépasse %2 Mo, bien plus qu&apos;il n&apos;en faut pour une liste de mots.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Listes de mots (*.csv *.tsv *.txt *.kvtml *.xml);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Exporter une liste</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Choisissez la liste à exporter, puis cliquez sur «&#xa0;Exporter...&#xa0;». Un fichier .csv s&apos;ouvre dans un tableur&#xa0;; un fichier .kvtml dans un programme de vocabulaire.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV pour tableurs (*.csv);;Vocabulaire KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

Rien n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>%n mot de «&#xa0;%1&#xa0;» a été enregistré dans %2.</numerusform>
            <numerusform>Les %n mots de «&#xa0;%1&#xa0;» ont été enregistrés dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>La paire %1 («&#xa0;%2&#xa0;» = «&#xa0;%3&#xa0;») contient le caractère de contrôle U+%4, qu&apos;un fichier KVTML ne peut pas contenir.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>Le nom de la liste contient un caractère de contrôle, qu&apos;un fichier KVTML ne peut pas contenir.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>Quiz&#xa0;!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>Aucune liste&#xa0;!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Espace enseignant</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>Mes progrès...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Caractères spéciaux</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>Ajouter au mot</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Ajouter au sens</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Lingo-Spark – Choix du jeu</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Jeux de Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Choisis une liste&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Choisis un jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Il faut au moins 8 mots dans une liste pour jouer au jeu des paires&#xa0;!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>Le pendu</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Lettres mélangées</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Jeu des paires</translation>
    </message>
    <message>
        <source>Word Zap!</source>
        <translation>Word Zap!</translation>
    </message>
</context>
<context>
    <name>GiveHint</name>
    <message>
        <source>Hint:</source>
        <translation>Indice&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Hangman</name>
    <message>
        <source>Hangman!</source>
        <translation>Le pendu&#xa0;!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>Ta lettre&#xa0;:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>OK &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Lettres déjà jouées&#xa0;:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>Tu veux rejouer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Lu comme un vocabulaire KVTML d&apos;une seule langue&#xa0;: l&apos;indice de chaque mot est son sens.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Lu comme un vocabulaire KVTML.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Lu comme des lignes «&#xa0;mot = sens&#xa0;» en %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Lu comme du texte séparé par des tabulations en %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Lu comme du texte séparé par des points-virgules en %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Lu comme du texte séparé par des virgules en %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importer une liste</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Choisir un fichier...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nom de la liste</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>La 1re ligne est un en-tête</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Premières lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Premières lignes</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Lignes qui ne seront pas reprises&#xa0;:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Lignes qui ne seront pas reprises</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Mots qui seront repris&#xa0;: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>Aucun mot ne peut être repris de ce fichier.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

Ses langues n&apos;ont pas pu être enregistrées.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>La liste «&#xa0;%1&#xa0;» a été ajoutée avec %n mot.</numerusform>
            <numerusform>La liste «&#xa0;%1&#xa0;» a été ajoutée avec %n mots.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Langues&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 dépasse %2 Mo, bien plus qu&apos;il n&apos;en faut pour une liste de mots.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 n&apos;est pas un fichier texte (c&apos;est peut-être une image ou un programme)&#xa0;: il ne contient pas de liste de mots.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 est un fichier XML, mais pas un vocabulaire KVTML.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 est un ancien vocabulaire KVTML 1&#xa0;; seuls les fichiers KVTML 2 peuvent être lus.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 n&apos;est pas un fichier XML lisible (ligne %2&#xa0;: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 ne contient qu&apos;une langue et aucun indice&#xa0;: un fichier KVTML doit avoir une deuxième traduction ou un indice pour chaque mot afin de donner les sens.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 ne contient aucune paire mot-sens&#xa0;: chaque ligne doit contenir un mot et son sens séparés par une tabulation, un point-virgule ou une virgule, ou être écrite sous la forme mot = sens.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>un saut de ligne dans le mot</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>le caractère de contrôle %1 dans le mot</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>un saut de ligne dans le sens</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>le caractère de contrôle %1 dans le sens</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>le mot est vide</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>le sens est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>«&#xa0;%1&#xa0;» marque la structure du fichier des listes de mots et ne peut pas être un mot ou un sens</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>un guillemet jamais fermé</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>pas de sens&#xa0;: le mot n&apos;a pas d&apos;indice</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>Le fichier a %1 colonnes&#xa0;: les deux premières sont prises comme mot et sens.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Une liste contient au plus %1 mots&#xa0;: les %1 premiers sont repris et %2 autres sont laissés de côté.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Langues d&apos;une liste</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Choisissez une liste, puis la langue de ses mots et celle de leurs sens.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Langue des mots&#xa0;:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Langue des mots</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Langue des sens&#xa0;:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Langue des sens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The languages were not saved.</source>
        <translation>%1

Les langues n&apos;ont pas été enregistrées.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossible de lire les listes de mots dans %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>aucune liste ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>&quot;%1&quot; n&apos;est pas un code de langue connu de cet ordinateur (exemples : es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Afficher les codes de langue des mots et des sens de la liste NAME (séparés par une tabulation, &quot;-&quot; si non défini), ou les définir (&quot;-&quot; en retire un).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark : donnez le code des mots et celui des sens (&quot;-&quot; si non défini)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Aucun mot de cette liste n&apos;est à revoir aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Il faut au moins deux mots différents dans cette liste pour faire un quiz. Choisis une autre liste.</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
</context>
<context>
    <name>ListExport</name>
</context>
<context>
    <name>ListImport</name>
</context>
<context>
    <name>ListLanguages</name>
    <message>
        <source>The list was saved, but its languages could not be carried over.

%1</source>
        <translation>La liste a été enregistrée, mais ses langues n&apos;ont pas pu être reprises.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossible de lire les listes de mots dans %1</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2 : non repris : %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 ne contient aucune paire utilisable. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1 : la liste a été ajoutée, mais ses langues n&apos;ont pas pu être enregistrées : %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1 : le nom du fichier doit se terminer par .csv ou .kvtml</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>aucune liste ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Nommer la nouvelle liste &lt;name&gt; (sinon, le titre ou le nom du fichier).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>La première ligne donne le nom des colonnes.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>La première ligne est une paire de mots, quoi qu&apos;elle contienne.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Afficher le nom des listes de mots, un par ligne.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Ajouter les paires de FILE (CSV, texte avec tabulations ou points-virgules, lignes &quot;mot = sens&quot;, KVTML 2.0) comme nouvelle liste.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark : --header et --no-header ne peuvent pas être donnés ensemble
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Écrire la liste NAME dans FILE, en CSV (.csv) ou en KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>%n mot de &quot;%1&quot; a été écrit dans %2.</numerusform>
            <numerusform>Les %n mots de &quot;%1&quot; ont été écrits dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Liste &quot;%1&quot; ajoutée avec %n mot depuis %2.</numerusform>
            <numerusform>Liste &quot;%1&quot; ajoutée avec %n mots depuis %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>Perdu&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Montre le sens</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Montre le mot</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Nombre de cartes dans cette série&#xa0;: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(Aucun mot de cette liste ne commence par %1&#xa0;!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Cartes de vocabulaire</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Carte du mot</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Carte du sens</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Flèche carte précédente</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Flèche carte suivante</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Retour aux options des cartes</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>C&apos;est la fin de la liste&#xa0;!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Créer une liste de mots</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>Le sens de ce mot est&#xa0;:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Ajouter ce mot</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caractères spéciaux...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Retour à la gestion</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Nombre de mots dans la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Mot numéro&#xa0;: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>Voulez-vous vraiment enregistrer cette liste&#xa0;?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Un autre ordinateur a enregistré une liste nommée «&#xa0;%1&#xa0;» pendant que vous tapiez celle-ci.

Enregistrer votre liste sous le nom «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>Hé&#xa0;!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

La liste n&apos;a pas été enregistrée et le fichier des listes de mots n&apos;a pas changé. Vos mots sont toujours là.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas encore été enregistrée. L&apos;enregistrer avant de fermer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Lingo-Spark – Espace enseignant</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Lingo-SPARK – Espace enseignant</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Créer une liste</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Voir / modifier une liste</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Supprimer une liste</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Options du son</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Quitter la gestion</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Quitter la gestion des listes</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Importer une liste...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Exporter une liste...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Imprimer une liste...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Langues d&apos;une liste...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Progrès de la classe...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Voix pour les élèves...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Choisis une liste&#xa0;:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Mes mots difficiles</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>À revoir aujourd&apos;hui&#xa0;: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Jamais travaillés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>Recommencer «&#xa0;%1&#xa0;»&#xa0;? Tous ses mots compteront comme jamais travaillés.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>Le mot était</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>qui veut dire&#xa0;:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Veuillez saisir le mot de passe de l&apos;espace enseignant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

Le mot de passe de l&apos;espace enseignant est conservé dans ce fichier&#xa0;: l&apos;espace enseignant ne peut donc pas s&apos;ouvrir tant que le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>Le mot de passe par défaut de l&apos;espace enseignant est OPENDOOR. Si vous utilisez le programme sur un ordinateur accessible aux élèves, changez le mot de passe pour protéger les fichiers.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Attention&#xa0;: mot de passe</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>Aucun mot de passe n&apos;est défini pour l&apos;espace enseignant&#xa0;: la première ligne de
%1
est vide. Écrivez un mot de passe sur cette ligne pour ouvrir l&apos;espace enseignant.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

Les listes peuvent encore être consultées ici&#xa0;; toute modification serait refusée.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Listes et réglages non modifiables</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Imprimer une liste</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Choisissez la liste à imprimer en fiche d&apos;exercice&#xa0;:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>À laisser vide pour un test</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>Les sens</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>Les mots</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>La fiche d&apos;exercice de «&#xa0;%1&#xa0;» a été enregistrée sous %2.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 n&apos;est pas un fichier de progrès lisible par cette version&#xa0;; il a été mis de côté sous le nom %2 et les progrès repartent de zéro.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;; il a été mis de côté sous le nom %2 et les progrès repartent de zéro.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>%1 n&apos;a pu être ni lu ni mis de côté&#xa0;; les progrès ne sont pas enregistrés cette fois-ci.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossible de lire les listes de mots dans %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>aucune liste ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark : %1 ignoré : %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Afficher ce que disent les fichiers de progrès de la classe (dossier progress/ du dossier de données), par liste (ou pour LIST seule) : les bonnes et mauvaises réponses de chaque élève, les dix paires les plus ratées.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz de vocabulaire Lingo-Spark</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Consigne&#xa0;:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>La question</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Questions restantes&#xa0;:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Bonnes réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Erreurs&#xa0;:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Retour aux options du quiz</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Consigne&#xa0;:  coche le sens qui va LE MIEUX avec le mot.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Consigne&#xa0;:  coche le mot qui va LE MIEUX avec le sens.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Bonne réponse&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Quiz Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz de vocabulaire Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Choisis une liste&#xa0;:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>Combien de questions&#xa0;?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>Quel type de questions&#xa0;?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Questions sur les mots</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Questions sur les sens</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Questions sur les mots et les sens</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>C&apos;est parti&#xa0;!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Retour au menu principal</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>impossible d&apos;enregistrer les progrès dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>Lettres mélangées&#xa0;!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Remets ce mot en ordre&#xa0;:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Ta réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>J&apos;abandonne</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#x202f;:</translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation>Dommage...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>Tu veux en essayer un autre&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>Oui&#xa0;!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Bonne réponse&#xa0;!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Tu as trouvé en %1 secondes.</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>Lecture &amp;automatique</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>aucune langue définie pour cette liste</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>aucune voix pour %1 sur cet ordinateur</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>la voix ne peut pas démarrer sur cet ordinateur</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>aucune sortie audio</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>É&amp;couter (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Options du son</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Choisissez le réglage du son par défaut</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Son  ACTIVÉ  par défaut. (Idéal pour un ordinateur seul)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Son  DÉSACTIVÉ  par défaut. (Idéal pour un réseau)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

Le réglage du son n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Effets sonores-- Non</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Effets sonores-- Oui</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Voix pour les élèves</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Quand un mot apparaît</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Lire les mots automatiquement</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Lire seulement sur demande</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

Le réglage de la voix n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>Voulez-vous vraiment quitter sans enregistrer cette liste&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>Le fichier
%1
n&apos;a pas pu être lu. Vérifiez qu&apos;il existe et qu&apos;il peut être lu.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

Rien ne peut être modifié dans cette fenêtre&#xa0;; fermez-la et rouvrez-la quand le fichier pourra être lu.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>Le fichier
%1
n&apos;a pas pu être lu à l&apos;ouverture de cette fenêtre&#xa0;: rien n&apos;a été enregistré. Fermez cette fenêtre et rouvrez-la.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>Zap</name>
    <message>
        <source>Word Zap</source>
        <translation>Word Zap</translation>
    </message>
    <message>
        <source>Time: 000</source>
        <translation>Temps&#xa0;: 000</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Cible %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> Prêt&#x202f;? Tire ici&#x202f;!</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Score&#xa0;:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Temps&#xa0;:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Il te faut une liste d&apos;au moins deux mots différents pour jouer à Word Zap!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>Fini&#xa0;!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>Joli tir&#xa0;!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>Raté&#xa0;! La bonne réponse était  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>Tu as tiré sur le mauvais mot&#xa0;! La bonne réponse était  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trophée</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Beau travail&#xa0;!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>Tu as marqué 000 points&#xa0;!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>Tu as marqué %1 points&#xa0;!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>Pas mal...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>Bon travail&#xa0;!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>Excellent&#xa0;!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>FANTASTIQUE&#xa0;!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Options de Word Zap!</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Règles&#xa0;:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>Un sens va apparaître en bas de l&apos;écran. Tu dois tirer seulement sur le mot qui correspond à ce sens. Chaque bon tir te rapporte 50 points. Chaque mauvais tir te fait perdre 50 points.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossible</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Jouer&#xa0;!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Il te faut une liste d&apos;au moins deux mots différents pour jouer à Word Zap!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Cartes de vocabulaire</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Choisis une liste&#xa0;:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>Que montrent les cartes&#xa0;?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>Ordre des cartes</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Montre-moi les mots, je devine le sens</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Montre-moi le sens, je devine le mot</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alphabétique, à partir de la lettre...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Lettre de départ</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Clique pour commencer</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Seulement mes mots difficiles</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>Tu dois choisir une lettre de départ&#xa0;!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>Score parfait&#xa0;!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Bon travail&#xa0;!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Il semble que tu doives encore t&apos;entraîner un peu.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>Oups&#xa0;! Continue à réviser&#xa0;!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Résultats du quiz</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Tu as eu (vide) sur (vide).</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Cela te donne un score de (vide) %</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>Tu as eu %1 sur %2&#xa0;!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Cela te donne un score de %1 %.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>Tu as gagné&#xa0;!</translation>
    </message>
</context>
</TS>
